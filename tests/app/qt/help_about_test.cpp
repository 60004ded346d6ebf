// Help, About and the menus of the main window, driven as a person does: the Help and Tools
// buttons and their access keys, F1 in a field, the help window's contents, index and search,
// and the About box with its System Info button.

#include <sys/stat.h>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/qt/about_window_view.h"
#include "app/qt/help_window.h"
#include "app/qt/program.h"
#include "help/help.h"
#include "tests/app/qt/person.h"

using namespace orvane;
using namespace orvane::qt;
using namespace orvane::qt::testing;

namespace {

// The main window with the help of the build tree behind its Help menu and F1.
struct HelpDesk {
    explicit HelpDesk(bool real_menus = false, QString help_file = ORVANE_TEST_HELP_FILE)
        : desk(real_menus),
          viewer(desk.window.get(), cache.filePath(QStringLiteral("help.qhc"))),
          help(desk.messages, viewer) {
        help.help_file = help_file.toStdString();
        desk.window->commands().set_help(&help);
        desk.window->commands().set_about(
            [this] { ShowAboutWindow(desk.window.get(), desk.messages); });
    }
    QTemporaryDir cache;
    Desk desk;
    QtHelpViewer viewer;
    Help help;

    HelpWindow* window() const { return viewer.window(); }
    QString Source() const { return window()->page()->source().toString(); }
    QString PageText() const { return window()->page()->toPlainText(); }
};

// The texts of the entries of the menu that is popped up, after `open` ran; the menu is closed.
QStringList PoppedMenu(const std::function<void()>& open, QPoint* at = nullptr) {
    QStringList entries;
    QTimer::singleShot(0, [&entries, at] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        if (at != nullptr) *at = menu->pos();
        for (QAction* a : menu->actions())
            entries << a->text();
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    open();
    return entries;
}

}  // namespace

class HelpAboutTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { UseProgramStyle(); }

    // Help, Contents opens the help window on its contents: the table of contents is filled
    // and the page is the help's first page.
    void contentsShowsTheContents() {
        HelpDesk h;
        h.desk.menu_answer = 1;
        h.desk.Click(MainCtl::cmdHelp);
        QCOMPARE(h.desk.menus.back(), (std::vector<std::string>{"About", "Contents", "Search"}));
        QVERIFY(h.window() != nullptr);
        QVERIFY(h.window()->isVisible());
        QCOMPARE(h.window()->tabs()->currentIndex(), 0);
        QTRY_VERIFY(h.window()->contents()->model()->rowCount() > 0);
        const QModelIndex top = h.window()->contents()->model()->index(0, 0);
        QCOMPARE(top.data().toString(), QString("Orvane Asset Depreciation Help"));
        QVERIFY(h.window()->contents()->model()->rowCount(top) >= 10);
        QVERIFY(h.Source().endsWith("/doc/pages/index.html"));
        QCOMPARE(h.window()->page()->documentTitle(), QString("Orvane Asset Depreciation Help"));
        // A click on an entry of the contents shows its page.
        QHelpContentWidget* toc = h.window()->contents();
        toc->expand(toc->model()->index(0, 0));
        const QModelIndex starting = toc->model()->index(0, 0, toc->model()->index(0, 0));
        QCOMPARE(starting.data().toString(), QString("Starting out"));
        QTest::mouseClick(toc->viewport(), Qt::LeftButton, {}, toc->visualRect(starting).center());
        QVERIFY(h.Source().endsWith("/doc/pages/starting.html"));
        QVERIFY(h.PageText().contains("Your first schedule"));
        QVERIFY(h.desk.messages.shown.empty());
    }

    // Help, Search opens the keyword index with an empty keyword: every keyword is listed, and
    // typing narrows it to the entries that start with the text.
    void searchShowsTheIndex() {
        HelpDesk h;
        h.desk.menu_answer = 2;
        h.desk.Click(MainCtl::cmdHelp);
        QVERIFY(h.window() != nullptr && h.window()->isVisible());
        QCOMPARE(h.window()->tabs()->currentIndex(), 1);
        QCOMPARE(h.window()->keyword()->text(), QString());
        QTRY_VERIFY(h.window()->index()->model()->rowCount() >= 150);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.window()->keyword()));
        QTest::keyClicks(h.window()->keyword(), "Mid Q");
        QTRY_COMPARE(h.window()->index()->model()->rowCount(), 1);
        QCOMPARE(h.window()->index()->model()->index(0, 0).data().toString(),
                 QString("Mid Quarter"));
        QTest::keyClick(h.window()->keyword(), Qt::Key_Return);
        QTRY_VERIFY(h.Source().endsWith("/doc/pages/conventions.html"));
    }

    // F1 in the cost field opens the page about the cost; F1 in a convention opens the topic of
    // its frame.
    void f1OpensTheTopicOfTheField() {
        HelpDesk h;
        h.desk.Click(MainCtl::txtCost);
        QCOMPARE(h.desk.Focus(), MainCtl::txtCost);
        h.desk.Press(Qt::Key_F1);
        QVERIFY(h.window() != nullptr && h.window()->isVisible());
        QVERIFY(h.Source().endsWith("/doc/pages/entering.html#cost"));
        QVERIFY(h.PageText().contains("What the asset cost you"));
        // The contents mark where the page lies.
        QTRY_COMPARE(h.window()->contents()->currentIndex().data().toString(), QString("Cost"));
        QCOMPARE(h.desk.Text(MainCtl::txtCost), QString());  // F1 types nothing

        // F1 in a convention (the help window keeps the keyboard off screen, so the key goes
        // straight to the option).
        h.window()->close();
        QVERIFY(h.desk.Choose(MainCtl::cboMethod, "MACRS"));
        h.desk.Click(MainCtl::optConvention1);
        QTest::keyClick(h.desk.w(MainCtl::optConvention1), Qt::Key_F1);
        QVERIFY(h.window()->isVisible());
        QVERIFY(h.Source().endsWith("/doc/pages/conventions.html"));
    }

    // The search box finds pages by any word of their text.
    void fullTextSearchFindsPages() {
        HelpDesk h;
        h.desk.menu_answer = 1;
        h.desk.Click(MainCtl::cmdHelp);
        h.window()->tabs()->setCurrentIndex(2);
        QTest::keyClicks(h.window()->search(), "speadsheet");
        QTest::keyClick(h.window()->search(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(h.window()->results()->count() > 0, 10000);
        QStringList titles;
        for (int i = 0; i < h.window()->results()->count(); ++i)
            titles << h.window()->results()->item(i)->text();
        QVERIFY2(titles.contains("Messages and what to do"), qPrintable(titles.join('|')));
        QVERIFY2(titles.contains("Exporting to a spreadsheet"), qPrintable(titles.join('|')));
        QTest::mouseClick(
            h.window()->results()->viewport(), Qt::LeftButton, {},
            h.window()->results()->visualItemRect(h.window()->results()->item(0)).center());
        QVERIFY(h.PageText().contains("speadsheet"));
    }

    // The help window comes back at the size it was left at.
    void helpWindowRemembersItsSize() {
        {
            HelpDesk h;
            h.desk.menu_answer = 1;
            h.desk.Click(MainCtl::cmdHelp);
            h.window()->resize(640, 430);
            h.window()->close();
        }
        HelpDesk h;
        h.desk.menu_answer = 1;
        h.desk.Click(MainCtl::cmdHelp);
        QCOMPARE(h.window()->size(), QSize(640, 430));
    }

    // A missing or damaged help file is reported by the help window (no help file at all is
    // the help module's own test).
    void helpFileFaults() {
        QTemporaryDir dir;
        const QString broken = dir.filePath("orvane.qch");
        {
            QFile f(broken);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a help file");
        }
        for (const QString& file : {dir.filePath("missing.qch"), broken}) {
            HelpDesk h(false, file);
            h.desk.menu_answer = 1;
            h.desk.Click(MainCtl::cmdHelp);
            QVERIFY(h.window() != nullptr && h.window()->isVisible());
            QVERIFY(h.PageText().contains("Help is not available"));
            QVERIFY2(h.PageText().contains(file), qPrintable(h.PageText()));
            QVERIFY(!h.window()->tabs()->isEnabled());
            QVERIFY(h.desk.messages.shown.empty());
        }
    }

    // The program's own boxes show that message with the information icon and an OK button.
    void noHelpFileMessageHasTheInformationIcon() {
        QtMessageBoxes boxes;
        QTemporaryDir cache;
        QtHelpViewer viewer(nullptr, cache.filePath("help.qhc"));
        Help help(boxes, viewer);
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(50, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                icon = box->icon();
                buttons = box->standardButtons();
                box->accept();
            }
        });
        help.DisplayHelpContents();
        QCOMPARE(text, QString("Unable to display Help Contents. There is no Help associated "
                               "with this project."));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(viewer.window() == nullptr);
    }

    // Help, About shows the title, the version of this build and the notice; OK is the default
    // button and Escape closes the box too.
    void aboutShowsTheVersion() {
        HelpDesk h;
        h.desk.menu_answer = 0;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            bool ran = false;
            QString title, version, caption;
            bool ok_default = false;
            WhenShown<AboutWindowView>(
                h.desk.window.get(),
                [&](AboutWindowView& about) {
                    title = qobject_cast<QLabel*>(about.control(AboutCtl::lblTitle))->text();
                    version = qobject_cast<QLabel*>(about.control(AboutCtl::lblVersion))->text();
                    caption = about.windowTitle();
                    ok_default =
                        qobject_cast<QPushButton*>(about.control(AboutCtl::cmdOK))->isDefault();
                    QVERIFY(!qobject_cast<QLabel*>(about.control(AboutCtl::picIcon))
                                 ->pixmap()
                                 .isNull());
                    QTest::keyClick(&about, key);
                    QVERIFY(!about.isVisible());
                },
                &ran);
            h.desk.Click(MainCtl::cmdHelp);
            QVERIFY(ran);
            QCOMPARE(title, QString("Orvane Asset Depreciation"));
            QCOMPARE(version, QString("Version " ORVANE_TEST_VERSION));
            QCOMPARE(caption, QString("About Orvane Asset Depreciation"));
            QVERIFY(ok_default);
        }
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // System Info with no system information program shows the message and leaves the box open;
    // with one on the PATH, it is started.
    void systemInfo() {
        QTemporaryDir dir;
        const auto env_path = [&](QString path) {
            return [path](std::string_view name) -> std::optional<std::string> {
                if (name == "PATH") return path.toStdString();
                return std::nullopt;
            };
        };
        orvane::testing::ScriptedBoxes boxes;
        QtProgramStarter starter;
        LinuxSystemKeys none(env_path(dir.filePath("bin")), dir.filePath("tools").toStdString());
        AboutWindowView about({&boxes, &none, &starter, FileExists});
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        // The access key presses the button as a click would, after its short animation.
        QTRY_COMPARE(boxes.Texts(),
                     std::vector<std::string>{"System Information Is Unavailable At This Time"});
        QVERIFY(about.isVisible());

        QVERIFY(QDir().mkpath(dir.filePath("bin")));
        const QString program = dir.filePath("bin/kinfocenter");
        const QString marker = dir.filePath("started");
        {
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        }
        ::chmod(program.toLocal8Bit().constData(), 0755);
        LinuxSystemKeys found(env_path(dir.filePath("bin")), dir.filePath("tools").toStdString());
        AboutWindowView second({&boxes, &found, &starter, FileExists});
        second.show();
        QTest::mouseClick(second.control(AboutCtl::cmdSysInfo), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(boxes.shown.size(), std::size_t{1});
    }

    // The Tools and Help buttons pop up their real menus at the mouse pointer with exactly their
    // entries; Alt+H and Alt+T open them too.
    void menusHoldExactlyTheirEntries() {
        HelpDesk h(true);
        QCursor::setPos(h.desk.window->mapToGlobal(QPoint(30, 40)));
        const QStringList help = {"About", "Contents", "Search"};
        const QStringList tools = {"Automobile Max Amount", "Clean Fuel Auto Max Amount",
                                   "Truck/Van Max Amount"};
        QPoint at;
        QCOMPARE(PoppedMenu([&] { h.desk.Click(MainCtl::cmdHelp); }, &at), help);
        QCOMPARE(at, QCursor::pos());
        QCOMPARE(PoppedMenu([&] { h.desk.Click(MainCtl::cmdTools); }, &at), tools);
        QCOMPARE(at, QCursor::pos());
        // Off screen no window manager gives the window back its activation after a pop-up.
        h.desk.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.desk.window.get()));
        h.desk.Click(MainCtl::txtCost);
        QCOMPARE(PoppedMenu([&] { h.desk.Press(Qt::Key_H, Qt::AltModifier); }), help);
        h.desk.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.desk.window.get()));
        QCOMPARE(PoppedMenu([&] { h.desk.Press(Qt::Key_T, Qt::AltModifier); }), tools);
        QVERIFY(h.desk.messages.shown.empty());
        QVERIFY(h.window() == nullptr);  // dismissing a menu does nothing
    }
};

int main(int argc, char** argv) {
    // The help window keeps its size in the settings of a scratch home.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    HelpAboutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "help_about_test.moc"
