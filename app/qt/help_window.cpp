#include "app/qt/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <functional>

#include "app/qt/qt_services.h"

namespace orvane::qt {
namespace {

constexpr auto kSizeKey = "HelpWindow/size";

// The program's own settings: ~/.config/orvane/orvane.conf.
QSettings Settings() {
    return QSettings(QStringLiteral("orvane"), QStringLiteral("orvane"));
}

// A page browser that reads the help file's pages and pictures from the help engine.
class HelpBrowser final : public QTextBrowser {
  public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

  private:
    QHelpEngine& engine_;
};

// A tab of a label, the line it names and a list below them.
QWidget* LabelledTab(const QString& text, QLineEdit* line, QWidget* list) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* label = new QLabel(text);
    label->setBuddy(line);
    layout->addWidget(label);
    layout->addWidget(line);
    layout->addWidget(list);
    return tab;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HelpWindow::HelpWindow(const QString& collection, QWidget* parent)
    : QWidget(parent, Qt::Window), engine_(std::make_unique<QHelpEngine>(collection)) {
    QDir().mkpath(QFileInfo(collection).absolutePath());
    engine_->setReadOnly(false);
    engine_->setupData();
    Build();
}

HelpWindow::~HelpWindow() {
    SaveSize();
}

QString HelpWindow::DefaultCollection() {
    QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) cache = QDir::tempPath();
    return cache + QStringLiteral("/orvane/help.qhc");
}

QHelpContentWidget* HelpWindow::contents() const {
    return engine_->contentWidget();
}

QHelpIndexWidget* HelpWindow::index() const {
    return engine_->indexWidget();
}

QTextBrowser* HelpWindow::page() const {
    return page_;
}

void HelpWindow::Build() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(ToQString(std::string(kAppTitle)) + QStringLiteral(" Help"));

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    QHelpContentWidget* toc = engine_->contentWidget();
    toc->setObjectName(QStringLiteral("contents"));
    tabs_->addTab(toc, tr("Contents"));

    keyword_ = new QLineEdit;
    keyword_->setObjectName(QStringLiteral("keyword"));
    QHelpIndexWidget* keywords = engine_->indexWidget();
    keywords->setObjectName(QStringLiteral("index"));
    tabs_->addTab(LabelledTab(tr("&Type a keyword:"), keyword_, keywords), tr("Index"));

    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("search"));
    search_->setPlaceholderText(tr("words, then Enter"));
    results_ = new QListWidget;
    results_->setObjectName(QStringLiteral("results"));
    tabs_->addTab(LabelledTab(tr("&Search the help for:"), search_, results_), tr("Search"));

    page_ = new HelpBrowser(*engine_, nullptr);
    page_->setObjectName(QStringLiteral("page"));

    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(tabs_);
    split->addWidget(page_);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({270, 510});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);

    const QSize saved = Settings().value(QLatin1String(kSizeKey)).toSize();
    resize(saved.isValid() && !saved.isEmpty() ? saved : QSize(780, 560));

    ConnectContents();
    ConnectSearch();
}

void HelpWindow::ConnectContents() {
    QHelpContentWidget* toc = engine_->contentWidget();
    QHelpIndexWidget* keywords = engine_->indexWidget();
    connect(toc, &QHelpContentWidget::linkActivated, this,
            [this](const QUrl& url) { ShowUrl(url); });
    // One click on an entry of the contents or the index shows its page.
    connect(toc, &QHelpContentWidget::clicked, this, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(index))
            ShowUrl(item->url());
    });
    connect(keywords, &QHelpIndexWidget::clicked, keywords, &QHelpIndexWidget::activateCurrentItem);
    connect(keywords, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { ShowUrl(link.url); });
    connect(keywords, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) ShowUrl(links.first().url);
            });
    connect(keyword_, &QLineEdit::textChanged, keywords,
            [keywords](const QString& text) { keywords->filterIndices(text); });
    connect(keyword_, &QLineEdit::returnPressed, keywords, &QHelpIndexWidget::activateCurrentItem);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { MarkInContents(); });
    connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, this,
            [this] { engine_->indexWidget()->filterIndices(keyword_->text()); });
}

void HelpWindow::ConnectSearch() {
    QHelpSearchEngine* full_text = engine_->searchEngine();
    // Setting up the help file starts the indexing of its words; a search waits for its end.
    connect(full_text, &QHelpSearchEngine::indexingStarted, this, [this] { indexed_ = false; });
    connect(full_text, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexed_ = true;
        if (!pending_search_.isEmpty()) RunSearch();
    });
    connect(full_text, &QHelpSearchEngine::searchingFinished, this, [this](int hits) {
        results_->clear();
        for (const QHelpSearchResult& r : engine_->searchEngine()->searchResults(0, hits)) {
            auto* item = new QListWidgetItem(r.title(), results_);
            item->setData(Qt::UserRole, r.url());
        }
        if (hits == 0) {
            auto* none = new QListWidgetItem(tr("No page has these words."), results_);
            none->setFlags(Qt::NoItemFlags);
        }
    });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        pending_search_ = search_->text().trimmed();
        if (indexed_) RunSearch();
    });
    const auto show_result = [this](QListWidgetItem* item) {
        const QUrl url = item->data(Qt::UserRole).toUrl();
        if (url.isValid()) ShowUrl(url);
    };
    connect(results_, &QListWidget::itemActivated, this, show_result);
    connect(results_, &QListWidget::itemClicked, this, show_result);
}

bool HelpWindow::Open(const QString& help_file) {
    const QString file = help_file.isEmpty() ? QString() : QFileInfo(help_file).absoluteFilePath();
    if (usable_ && file == open_file_) return true;
    open_file_ = file;
    usable_ = false;
    indexed_ = false;
    const QString ns = file.isEmpty() ? QString() : QHelpEngineCore::namespaceName(file);
    if (ns.isEmpty()) {
        ShowFault(
            QFileInfo::exists(file)
                ? tr("The help file %1 cannot be read: it is damaged.").arg(file.toHtmlEscaped())
                : tr("The help file %1 is missing.")
                      .arg(file.isEmpty() ? tr("(none)") : file.toHtmlEscaped()));
        return false;
    }
    // One help file at a time: another file of the same help replaces the one registered.
    for (const QString& registered : engine_->registeredDocumentations()) {
        if (registered != ns || engine_->documentationFileName(ns) != file)
            engine_->unregisterDocumentation(registered);
    }
    if (!engine_->registeredDocumentations().contains(ns) &&
        !engine_->registerDocumentation(file)) {
        ShowFault(tr("The help file %1 cannot be opened: %2")
                      .arg(file.toHtmlEscaped(), engine_->error().toHtmlEscaped()));
        return false;
    }
    namespace_ = ns;
    engine_->setupData();
    tabs_->setEnabled(true);
    usable_ = true;
    return true;
}

void HelpWindow::ShowFault(const QString& text) {
    namespace_.clear();
    tabs_->setEnabled(false);
    page_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                       .arg(tr("Help is not available"), text,
                            tr("Install the program again to get its help back.")));
    Present();
}

QUrl HelpWindow::PageUrl(const QString& page) const {
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(namespace_, page));
}

void HelpWindow::ShowUrl(const QUrl& url) {
    if (!usable_) return;
    if (page_->source() == url) {
        page_->reload();
    } else {
        page_->setSource(url);
    }
    MarkInContents();
}

// The contents show where the page lies: its entry is selected and unfolded.
void HelpWindow::MarkInContents() {
    QHelpContentWidget* toc = engine_->contentWidget();
    QHelpContentModel* model = engine_->contentModel();
    const QUrl source = page_->source();
    // The entry of the page and its anchor, else the entry of the page.
    std::function<QModelIndex(const QModelIndex&)> find = [&](const QModelIndex& parent) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex i = model->index(row, 0, parent);
            const QHelpContentItem* item = model->contentItemAt(i);
            if (item != nullptr && item->url() == source) return i;
            if (const QModelIndex below = find(i); below.isValid()) return below;
        }
        return QModelIndex();
    };
    QModelIndex at = find(QModelIndex());
    if (!at.isValid()) at = toc->indexOf(source);
    if (!at.isValid()) return;
    for (QModelIndex up = at.parent(); up.isValid(); up = up.parent())
        toc->expand(up);
    toc->setCurrentIndex(at);
    toc->scrollTo(at);
}

void HelpWindow::ShowContents() {
    if (usable_) {
        tabs_->setCurrentIndex(0);
        ShowUrl(PageUrl(QStringLiteral("pages/index.html")));
    }
    Present();
}

void HelpWindow::ShowIndex(const QString& keyword) {
    if (usable_) {
        tabs_->setCurrentIndex(1);
        keyword_->setText(keyword);
        engine_->indexWidget()->filterIndices(keyword);
        if (page_->source().isEmpty()) ShowUrl(PageUrl(QStringLiteral("pages/index.html")));
    }
    Present();
    if (usable_) keyword_->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::ShowPage(const QString& page) {
    if (usable_) {
        tabs_->setCurrentIndex(0);
        ShowUrl(PageUrl(page));
    }
    Present();
}

void HelpWindow::Present() {
    shown_ = true;
    show();
    raise();
    activateWindow();
}

void HelpWindow::RunSearch() {
    if (pending_search_.isEmpty()) return;
    engine_->searchEngine()->search(pending_search_);
    pending_search_.clear();
}

void HelpWindow::hideEvent(QHideEvent* event) {
    SaveSize();
    QWidget::hideEvent(event);
}

void HelpWindow::SaveSize() const {
    if (shown_) Settings().setValue(QLatin1String(kSizeKey), size());
}

// ------------------------------------------------------------------ the viewer

QtHelpViewer::QtHelpViewer(QWidget* owner, QString collection)
    : owner_(owner), collection_(std::move(collection)) {}

QtHelpViewer::~QtHelpViewer() {
    delete window_.data();
}

HelpWindow& QtHelpViewer::Window() {
    if (window_.isNull()) window_ = new HelpWindow(collection_, owner_.data());
    return *window_;
}

void QtHelpViewer::ShowContents(std::string_view help_file) {
    HelpWindow& w = Window();
    if (w.Open(FromView(help_file))) w.ShowContents();
}

void QtHelpViewer::ShowIndex(std::string_view help_file, std::string_view keyword) {
    HelpWindow& w = Window();
    if (w.Open(FromView(help_file))) w.ShowIndex(FromView(keyword));
}

void QtHelpViewer::ShowPage(std::string_view help_file, std::string_view page) {
    HelpWindow& w = Window();
    if (w.Open(FromView(help_file))) w.ShowPage(FromView(page));
}

}  // namespace orvane::qt
