#include "app/qt/register_window_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <QToolTip>
#include <filesystem>

#include "app/qt/register_schedule_view.h"
#include "platform/fault.h"

namespace orvane::qt {

RegisterWindowView::RegisterWindowView(const Services& services,
                                       const reg::VehicleLimitTable& limits, int year,
                                       QWidget* parent)
    : QMainWindow(parent),
      boxes_(*services.messages),
      files_(*services.file_dialog),
      printer_(*services.printer),
      clock_(*services.clock),
      limits_(limits),
      model_(boxes_, limits, year),
      rows_(new RegisterTableModel(model_, this)) {
    setObjectName(QStringLiteral("registerWindow"));
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildTable();
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(table_);
    split->addWidget(BuildPanel());
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setSizes({820, 500});
    setCentralWidget(split);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    statusBar()->addWidget(message_, 1);
    statusBar()->addPermanentWidget(
        new QLabel(tr("Type into a cell or press F2 to change it; double-click a row for its "
                      "schedule"),
                   this));
    model_.post = [](std::function<void()> task) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
    };
    model_.figured = [this] { rows_->Refresh(); };
    rows_->refused = [this](const QModelIndex& i) { ShowRefusal(i); };
    rows_->changed = [this] { Render(); };
    resize(1320, 760);
    Render();
}

RegisterWindowView::~RegisterWindowView() {
    // The table and an editor open in it go first, while the model they edit is still here.
    rows_->refused = nullptr;
    rows_->changed = nullptr;
    delete centralWidget();
}

QAction* RegisterWindowView::Add(const QString& text, const QString& name,
                                 const std::function<void()>& run) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [run] { run(); });
    return a;
}

void RegisterWindowView::BuildActions() {
    open_ = Add(tr("&Open..."), QStringLiteral("open"), [this] { OpenCommand(); });
    open_->setShortcut(QKeySequence::Open);
    save_ = Add(tr("&Save"), QStringLiteral("save"), [this] {
        if (!model_.Save()) SaveAsCommand();
        Render();
    });
    save_->setShortcut(QKeySequence::Save);
    save_as_ = Add(tr("Save &As..."), QStringLiteral("saveAs"), [this] { SaveAsCommand(); });
    save_as_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    close_ = Add(tr("&Close"), QStringLiteral("close"), [this] { close(); });
    close_->setShortcut(QKeySequence::Close);
    undo_ = Add(tr("&Undo"), QStringLiteral("undo"), [this] { History(true); });
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = Add(tr("&Redo"), QStringLiteral("redo"), [this] { History(false); });
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    add_row_ = Add(tr("&Add Row"), QStringLiteral("addRow"), [this] { AddRowCommand(false); });
    add_row_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    duplicate_ =
        Add(tr("D&uplicate Row"), QStringLiteral("duplicateRow"), [this] { AddRowCommand(true); });
    duplicate_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    delete_ =
        Add(tr("&Delete Rows"), QStringLiteral("deleteRows"), [this] { DeleteRowsCommand(); });
    delete_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    schedule_ = Add(tr("Asset &Schedule..."), QStringLiteral("schedule"),
                    [this] { ShowSchedule(table_->currentIndex()); });
    workbook_ = Add(tr("Save &Workbook..."), QStringLiteral("saveWorkbook"),
                    [this] { SaveWorkbookCommand(); });
    print_ = Add(tr("&Print..."), QStringLiteral("print"), [this] { PrintCommand(false); });
    print_->setShortcut(QKeySequence::Print);
    preview_ = Add(tr("Print Pre&view..."), QStringLiteral("printPreview"),
                   [this] { PrintCommand(true); });
    calculator_ = Add(tr("Open &Calculator"), QStringLiteral("openCalculator"), [this] {
        if (open_calculator) open_calculator();
    });
    for (QAction* a : {open_, save_, save_as_, close_, undo_, redo_, add_row_, duplicate_, delete_})
        a->setShortcutContext(Qt::WindowShortcut);
}

void RegisterWindowView::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({open_, save_, save_as_});
    file->addSeparator();
    file->addActions({workbook_, print_, preview_});
    file->addSeparator();
    file->addAction(close_);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({undo_, redo_});
    edit->addSeparator();
    edit->addActions({add_row_, duplicate_, delete_});
    edit->addSeparator();
    edit->addAction(schedule_);
    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->addAction(calculator_);
}

void RegisterWindowView::BuildToolBar() {
    QToolBar* bar = addToolBar(tr("Register"));
    bar->setObjectName(QStringLiteral("registerBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({open_, save_});
    bar->addSeparator();
    bar->addActions({add_row_, duplicate_, delete_});
    bar->addSeparator();
    bar->addActions({undo_, redo_});
    bar->addSeparator();
    bar->addAction(calculator_);
    auto* gap = new QWidget(bar);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(gap);
    bar->addWidget(new QLabel(tr("Filter: "), bar));
    filter_ = new QLineEdit(bar);
    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(tr("id, description or any cell"));
    filter_->setClearButtonEnabled(true);
    filter_->setMinimumWidth(240);
    bar->addWidget(filter_);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        rows_->Reshape([&] { model_.SetFilter(text.toStdString()); });
    });
}

void RegisterWindowView::BuildTable() {
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("registerTable"));
    table_->setModel(rows_);
    table_->setWordWrap(false);
    table_->setAlternatingRowColors(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    QHeaderView* rows = table_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    QHeaderView* cols = table_->horizontalHeader();
    cols->setSectionResizeMode(QHeaderView::Interactive);
    cols->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setSortingEnabled(true);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { ShowSchedule(i); });
    connect(rows, &QHeaderView::sectionDoubleClicked, this,
            [this](int row) { ShowSchedule(rows_->index(row, 0)); });
}

// Columns as wide as their name and the cells of the first rows, never wider than 260 pixels.
static void SizeColumns(QTableView* table) {
    const QAbstractItemModel* m = table->model();
    const QFontMetrics fm = table->fontMetrics();
    const int rows = std::min(m->rowCount(), 60);
    for (int c = 0; c < m->columnCount(); ++c) {
        int w = fm.horizontalAdvance(m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < rows; ++r)
            w = std::max(w, fm.horizontalAdvance(m->index(r, c).data().toString()));
        table->setColumnWidth(c, std::min(w + 24, 260));
    }
}

bool RegisterWindowView::OpenFile(const QString& file) {
    bool opened = false;
    rows_->Reshape([&] { opened = model_.Open(file.toStdString()); });
    QSignalBlocker quiet(table_->horizontalHeader());
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    SizeColumns(table_);
    return opened;
}

QString RegisterWindowView::PickFile(bool save) {
    const std::filesystem::path now(model_.controls().file);
    FileDialogSettings s;
    s.default_ext = save ? "csv" : "";
    s.initial_folder = now.has_parent_path() ? now.parent_path().string() : std::string();
    s.title = save ? "Save Register" : "Open Register";
    s.filter = "Registers (*.csv)|*.csv|All files (*)|*";
    s.file_name = now.filename().string();
    s.confirm_overwrite = true;
    try {
        return QString::fromStdString(save ? files_.ShowSave(s) : files_.ShowOpen(s));
    } catch (const Fault&) {
        return {};  // Cancel
    }
}

void RegisterWindowView::OpenCommand() {
    if (!model_.MayDiscard([this] { return PickFile(true).toStdString(); })) return Render();
    const QString file = PickFile(false);
    if (!file.isEmpty()) OpenFile(file);
    Render();
}

bool RegisterWindowView::SaveAsCommand() {
    const QString file = PickFile(true);
    const bool saved = !file.isEmpty() && model_.SaveAs(file.toStdString());
    Render();
    return saved;
}

void RegisterWindowView::closeEvent(QCloseEvent* event) {
    if (model_.MayDiscard([this] { return PickFile(true).toStdString(); })) {
        event->accept();
    } else {
        event->ignore();
        Render();
    }
}

void RegisterWindowView::FocusBookRow(std::size_t row, int column) {
    const std::optional<std::size_t> at = model_.ShownAt(row);
    if (!at) return;
    const QModelIndex i = rows_->index(static_cast<int>(*at), std::max(column, 0));
    table_->setCurrentIndex(i);
    table_->scrollTo(i);
    table_->setFocus();
}

void RegisterWindowView::AddRowCommand(bool duplicate) {
    const QModelIndex current = table_->currentIndex();
    if (duplicate && !current.isValid()) return;
    std::size_t row = 0;
    rows_->Reshape([&] {
        row = duplicate ? model_.DuplicateRow(rows_->BookRow(current.row())) : model_.AddRow();
    });
    FocusBookRow(row, 0);
}

void RegisterWindowView::DeleteRowsCommand() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& i : table_->selectionModel()->selectedIndexes())
        rows.push_back(rows_->BookRow(i.row()));
    if (rows.empty() && table_->currentIndex().isValid())
        rows.push_back(rows_->BookRow(table_->currentIndex().row()));
    if (rows.empty()) return;
    const int column = table_->currentIndex().column();
    const std::size_t next = *std::min_element(rows.begin(), rows.end());
    rows_->Reshape([&] { model_.DeleteRows(rows); });
    if (model_.book().size() > 0) FocusBookRow(std::min(next, model_.book().size() - 1), column);
}

void RegisterWindowView::History(bool undo) {
    const int column = std::max(table_->currentIndex().column(), 0);
    const QModelIndex current = table_->currentIndex();
    const std::size_t row = current.isValid() ? rows_->BookRow(current.row()) : 0;
    rows_->Reshape([&] { undo ? model_.Undo() : model_.Redo(); });
    if (model_.book().size() > 0) FocusBookRow(std::min(row, model_.book().size() - 1), column);
}

void RegisterWindowView::ShowRefusal(const QModelIndex& index) {
    Render();
    const QRect cell = table_->visualRect(index);
    QToolTip::showText(table_->viewport()->mapToGlobal(cell.bottomLeft()),
                       QString::fromStdString(model_.controls().message), table_->viewport());
}

void RegisterWindowView::ShowSchedule(const QModelIndex& index) {
    if (!index.isValid()) return;
    const std::size_t row = rows_->BookRow(index.row());
    reg::Schedule schedule;
    std::string error;
    if (!model_.ScheduleOf(row, schedule, error)) {
        message_->setText(QString::fromStdString(error));
        return;
    }
    const QString id =
        QString::fromStdString(std::string(model_.book().Cell(row, reg::Column::Id)));
    const QString what =
        QString::fromStdString(std::string(model_.book().Cell(row, reg::Column::Description)));
    RegisterScheduleView dialog(what.isEmpty() ? id : id + QStringLiteral(" - ") + what, schedule,
                                this);
    dialog.exec();
}

void RegisterWindowView::Render() {
    const RegisterWindowControls& c = model_.controls();
    setWindowTitle(QString::fromStdString(RegisterCaption(c)));
    undo_->setEnabled(c.can_undo);
    redo_->setEnabled(c.can_redo);
    save_->setEnabled(c.modified || c.file.empty());
    message_->setText(QString::fromStdString(c.message));
    message_->setStyleSheet(c.message_is_error ? QStringLiteral("color: #b00000;") : QString());
    if (filter_->text().toStdString() != c.filter) {
        QSignalBlocker quiet(filter_);
        filter_->setText(QString::fromStdString(c.filter));
    }
    RenderPanel();
}

}  // namespace orvane::qt
