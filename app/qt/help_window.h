#pragma once
// The help window: the help file's contents, keyword index and full-text search beside the page
// they lead to. It opens the program's Qt Help file through a help collection of its own in a
// writable folder, reports a help file it cannot use in its page, and remembers its size.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/help_viewer.h"

class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace orvane::qt {

class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    // `collection`: the file where Qt Help keeps its register of help files; made when missing.
    explicit HelpWindow(const QString& collection, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Makes `help_file` the file shown; false, with the reason in the page, when it cannot be
    // read.
    bool Open(const QString& help_file);
    void ShowContents();
    void ShowIndex(const QString& keyword);
    void ShowPage(const QString& page);  // "pages/entering.html#cost"

    // The parts of the window, for the tests and the pictures.
    QTabWidget* tabs() const { return tabs_; }
    QHelpContentWidget* contents() const;
    QHelpIndexWidget* index() const;
    QLineEdit* keyword() const { return keyword_; }
    QLineEdit* search() const { return search_; }
    QListWidget* results() const { return results_; }
    QTextBrowser* page() const;
    QHelpEngine* engine() const { return engine_.get(); }

    // The help collection of the user's cache folder.
    static QString DefaultCollection();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void Build();
    // The contents' and the index's signals, and the full-text search's.
    void ConnectContents();
    void ConnectSearch();
    void Present();
    void ShowUrl(const QUrl& url);
    void MarkInContents();
    void ShowFault(const QString& text);
    void RunSearch();
    void SaveSize() const;
    QUrl PageUrl(const QString& page) const;

    std::unique_ptr<QHelpEngine> engine_;
    QString open_file_;
    QString namespace_;
    bool usable_ = false;
    bool indexed_ = false;
    bool shown_ = false;  // the size is worth keeping once the window has been shown
    QString pending_search_;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* keyword_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* results_ = nullptr;
    QTextBrowser* page_ = nullptr;
};

// The help viewer of the program: one help window, made when it is first needed, over `owner`
// (it closes with the program).
class QtHelpViewer final : public HelpViewer {
  public:
    explicit QtHelpViewer(QWidget* owner, QString collection = HelpWindow::DefaultCollection());
    ~QtHelpViewer() override;
    void ShowContents(std::string_view help_file) override;
    void ShowIndex(std::string_view help_file, std::string_view keyword) override;
    void ShowPage(std::string_view help_file, std::string_view page) override;
    // The window, once made.
    HelpWindow* window() const { return window_.data(); }

  private:
    HelpWindow& Window();

    QPointer<QWidget> owner_;
    QString collection_;
    QPointer<HelpWindow> window_;
};

}  // namespace orvane::qt
