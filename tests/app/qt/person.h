#pragma once
// A person at the main window and at the limit editor: the mouse and the keyboard on the real
// widgets, and scripted answers for the message boxes, the beep, the calendar and the menus.

#include <QApplication>
#include <QString>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/limit_editor_view.h"
#include "app/qt/main_window_view.h"
#include "limits/vehicle_limit_files.h"
#include "tests/limits/limits_test_support.h"
#include "tests/support/fake_spreadsheet.h"
#include "tests/support/fakes.h"

namespace orvane::qt::testing {

// On a check mark or an option's dot, on an editable list's arrow, elsewhere in the middle.
void ClickOn(QWidget* target);
// A right click at `at`, with the context-menu request the platform makes of it.
void RightClickOn(QWidget* target, QPoint at);
// Into the text of a field or of an editable list, away from its arrow.
void ClickIntoText(QWidget* target);
// The selected text of a field or of an editable list.
QString SelectedTextOf(QWidget* w);
// Key by key into the widget that has the focus (`fallback` when none has).
void TypeKeys(const QString& text);
void PressKey(QWidget* fallback, int key, Qt::KeyboardModifiers modifiers);
QString TextOf(QWidget* w);
// The widget with the focus; an editable list for its text part.
QWidget* FocusedControl();
QColor TextColourOf(QWidget* w);
// The control lies inside its container and the window, and shows its caption whole.
void CheckFit(QWidget* window, QWidget* control);

// Runs `script` on the first pop-up or modal window of type T as soon as it shows (inside its
// modal loop; a modal window once it is active) and closes it afterwards if the script left it
// open. `ran` tells whether it showed within three seconds.
template <class T>
void WhenShown(QObject* context, std::function<void(T&)> script, bool* ran = nullptr) {
    if (ran != nullptr) *ran = false;
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, tries, script, ran] {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* popup = QApplication::activePopupWidget();
        auto* shown = qobject_cast<T*>(popup != nullptr ? popup : modal);
        if (shown == nullptr || !shown->isVisible()) {
            if (++*tries > 300) timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (popup == nullptr && !QTest::qWaitForWindowActive(shown)) qWarning("not active");
        if (ran != nullptr) *ran = true;
        script(*shown);
        if (shown->isVisible()) shown->close();
    });
    timer->start();
}

// The controls of one window, named by Id.
template <class Id, int kCount>
class Person {
  public:
    virtual ~Person() = default;
    virtual QWidget* w(Id id) const = 0;
    virtual QWidget* root() const = 0;

    void Click(Id id) const { ClickOn(w(id)); }
    void ClickText(Id id) const { ClickIntoText(w(id)); }
    QString Selected(Id id) const { return SelectedTextOf(w(id)); }
    void Type(const QString& text) const { TypeKeys(text); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        PressKey(root(), key, modifiers);
    }
    QString Text(Id id) const { return TextOf(w(id)); }
    QColor TextColour(Id id) const { return TextColourOf(w(id)); }
    bool Enabled(Id id) const { return w(id)->isEnabled(); }
    Id Focus() const {
        const QWidget* focused = FocusedControl();
        for (int i = 0; i < kCount; ++i) {
            if (w(static_cast<Id>(i)) == focused) return static_cast<Id>(i);
        }
        return Id::None;
    }
    void CheckFits() const {
        for (int i = 0; i < kCount; ++i)
            CheckFit(root(), w(static_cast<Id>(i)));
    }
};

// Message boxes that let a test look at the window while a box is up, then answer as `boxes`.
class WatchedBoxes final : public MessageBoxes {
  public:
    explicit WatchedBoxes(MessageBoxes& boxes) : boxes_(boxes) {}
    std::function<void()> on_show;
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        if (on_show) on_show();
        return boxes_.Show(text, title, buttons);
    }

  private:
    MessageBoxes& boxes_;
};

// The main window with scripted services, shown and active.
class Desk final : public Person<MainCtl, kControlCount> {
  public:
    // With `real_menus` the Tools and Help buttons pop up real QMenus; otherwise the menus are
    // recorded in `menus` and answered with `menu_answer`. Print prints on `printer` when given,
    // otherwise on the fake `pages`.
    explicit Desk(bool real_menus = false, Printer* printer = nullptr);
    ~Desk() override;

    orvane::testing::ScriptedBoxes messages;
    WatchedBoxes watched{messages};  // the window's boxes
    orvane::testing::CountingBeeper beeper;
    fakes::FixedClock clock{Date{2024, 3, 15}};
    QtTextMetrics metrics;
    fakes::FakePrinter pages;
    QtMousePointer pointer;
    std::vector<std::vector<std::string>> menus;
    int menu_answer = -1;
    FakeSpreadsheet spreadsheet;  // the export's workbooks
    FakeFileDialog file_dialog;   // the export's save dialog; no answer is Cancel
    std::unique_ptr<MainWindowView> window;
    std::unique_ptr<VehicleLimitFiles> limit_files;
    std::unique_ptr<QtLimitEditors> limit_editors;

    // The vehicle schedules and the limit editor use the limit files of `folder`.
    void UseLimitFolder(const std::filesystem::path& folder);
    // Runs `script` on the limit editor as soon as it shows (WhenShown).
    void WhenEditorShows(std::function<void(LimitEditorView&)> script, bool* ran = nullptr) {
        WhenShown<LimitEditorView>(window.get(), std::move(script), ran);
    }
    // Opens the list with the mouse and picks `entry` with the arrow keys and Enter.
    bool Choose(MainCtl list, const QString& entry);
    // Clicks into a field and types `text` from its first place.
    void Fill(MainCtl field, const QString& text) const;

    QWidget* w(MainCtl id) const override { return window->control(id); }
    QWidget* root() const override { return window.get(); }
    bool Checked(MainCtl id) const { return w(id)->property("checked").toBool(); }
    QString Cell(int row, int col) const {
        return window->grid()->model()->index(row, col).data().toString();
    }
};

// A person at the limit editor.
class EditorDesk final : public Person<EditorCtl, kEditorControlCount> {
  public:
    explicit EditorDesk(LimitEditorView& view) : view(view) {}
    LimitEditorView& view;

    // Clicks into a box, selects its whole text and types `text` over it.
    void Fill(EditorCtl box, const QString& text) const;
    QWidget* w(EditorCtl id) const override { return view.control(id); }
    QWidget* root() const override { return &view; }
};

}  // namespace orvane::qt::testing
