// Help, About and the menus of the main window, driven as a person does: the Help and Tools
// buttons and their access keys, F1 in a field, and the About box and its keys.

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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

    // Help, Contents opens the help window on the help's first page; Help, Search on the keyword
    // index, with the focus in the empty keyword.
    void contentsAndSearchOpenTheHelpWindow() {
        HelpDesk h;
        h.desk.menu_answer = 1;
        h.desk.Click(MainCtl::cmdHelp);
        QVERIFY(h.window() != nullptr && h.window()->isVisible());
        QCOMPARE(h.window()->tabs()->currentIndex(), 0);
        QVERIFY(h.Source().endsWith("/doc/pages/index.html"));
        h.window()->close();
        h.desk.menu_answer = 2;
        h.desk.Click(MainCtl::cmdHelp);
        QVERIFY(h.window()->isVisible());
        QCOMPARE(h.window()->tabs()->currentIndex(), 1);
        QCOMPARE(h.window()->keyword()->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.window()->keyword()));
        QVERIFY(h.desk.messages.shown.empty());
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
