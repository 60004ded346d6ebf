#pragma once
// What the Qt windows share in showing a model: the widgets of the controls by number, the
// event filter that turns clicks, keys and focus changes into calls on the model, the guards
// that keep the widgets' own signals out while the model runs or is being shown, and the
// rendering of text fields, focus and colours. A window builds its widgets, adds them here and
// answers the hooks with its model.

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "platform/services.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;
class QWidget;

namespace orvane::qt {

class ControlView final : public QObject {
  public:
    explicit ControlView(QWidget* window);
    ~ControlView() override;

    // ---- The window's answers. Ids are the window's control numbers.
    std::function<void(int id)> focus_arrived;  // Qt gave the control the focus (a click)
    std::function<bool(int id, QKeyEvent* e)> key_pressed;   // true: the key is taken
    std::function<bool(int id, QKeyEvent* e)> key_released;  // true: the key is taken
    std::function<void(int id)> access_key;                  // Alt+letter of a button
    std::function<void(int id, const QPoint& global)> context_menu;
    std::function<void(int id, int start, int length)> selected;  // by the mouse, in characters
    std::function<int()> model_focus;  // the control that has the focus in the model, or -1
    std::function<void()> render;      // copies the model into the widgets

    // Adds the widget of control `id`; `takes_focus` makes it a stop for keys and the mouse.
    void Add(int id, QWidget* w, bool takes_focus);
    QWidget* widget(int id) const { return widgets_[static_cast<std::size_t>(id)]; }
    // The control of a widget (or of the text part of a list), or -1.
    int Find(const QObject* object) const;
    int count() const { return static_cast<int>(widgets_.size()); }
    // Lets the widgets go quietly: nothing they do from now on reaches the model.
    void Detach();

    // True while the model runs an action or the widgets are being rendered.
    bool quiet() const { return busy_ || rendering_ || detached_; }
    // Runs a person's action on the model, then renders the result.
    template <class F>
    void Act(F&& action) {
        if (quiet()) return;
        busy_ = true;
        struct Idle {
            bool& flag;
            ~Idle() { flag = false; }
        } idle{busy_};
        std::forward<F>(action)();
        busy_ = false;
        Render();
    }
    // Copies the model into the widgets, once at a time.
    void Render();

    // ---- Rendering helpers.
    // The text, caret and selection of a field (positions in characters). A field without the
    // focus shows no selection.
    static void ShowText(QLineEdit* edit, const Control& c, bool focused);
    // The model's focus on `want`, shown with the keyboard's focus frame.
    void ShowFocus(QWidget* want);
    // The selection of a field in characters: start and length.
    static std::pair<int, int> SelectionOf(const QLineEdit* edit);

    // ---- Widgets of each kind, as both windows make them.
    static QLabel* MakeLabel(QWidget* parent, Qt::Alignment align);
    static QLabel* MakeStatusLine(QWidget* parent);
    static QLineEdit* MakeTextBox(QWidget* parent);
    static void SetUpTextBox(QLineEdit* edit);
    static QPushButton* MakeButton(const QString& caption, QWidget* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool OnMouse(QObject* watched, QEvent* event);
    void OnCursorMoved(int id, QLineEdit* edit);

    QWidget* window_;
    QStyle* style_;  // the look of buttons and drop-down lists
    std::vector<QWidget*> widgets_;
    bool busy_ = false;       // the model is running an action (perhaps in a modal loop)
    bool rendering_ = false;  // the widgets are being rendered
    bool detached_ = false;
    int clicked_into_ = -1;      // the control that a click has just given the focus
    QPointer<QObject> pressed_;  // a field whose focusing press is swallowed until release
};

// Message boxes that show the window's latest state before they open: the model may have
// changed it in the same handler that asks.
class RenderFirstBoxes final : public MessageBoxes {
  public:
    explicit RenderFirstBoxes(MessageBoxes& boxes) : boxes_(boxes) {}
    std::function<void()> render;
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        if (render) render();
        return boxes_.Show(text, title, buttons);
    }

  private:
    MessageBoxes& boxes_;
};

// The characters of `text` as the windows' models count them: a position in characters to
// one in UTF-16 units, and back.
int UnitsBefore(const QString& text, int chars);
int CharsBefore(const QString& text, int units);

}  // namespace orvane::qt
