#include "app/qt/control_view.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <algorithm>

#include "app/qt/qt_services.h"

namespace orvane::qt {

namespace {

// The look of the controls as the windows' design has it: a drop-down list without typing is
// drawn as the entry fields are, a flat field in its back colour beside the arrow button, with
// its entry highlighted while it has the focus; a button with the focus shows a dotted frame
// inside, so the focus is told apart from the default button.
class ControlStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control != CC_ComboBox || box == nullptr || box->editable) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        painter->fillRect(box->rect, box->palette.brush(QPalette::Base));
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(*box);
        frame.lineWidth = 1;
        frame.state |= State_Sunken;
        frame.state &= ~State_HasFocus;
        proxy()->drawPrimitive(PE_FrameLineEdit, &frame, painter, widget);
        QStyleOptionButton button;
        button.QStyleOption::operator=(*box);
        button.rect = proxy()->subControlRect(CC_ComboBox, box, SC_ComboBoxArrow, widget);
        button.state = (box->state & (State_Enabled | State_MouseOver)) |
                       (box->state & State_On ? State_Sunken : State_Raised);
        button.palette.setBrush(QPalette::Button, QApplication::palette().button());
        proxy()->drawPrimitive(PE_PanelButtonCommand, &button, painter, widget);
        QStyleOption arrow = button;
        const int side = std::min(button.rect.width(), button.rect.height()) / 2;
        arrow.rect = QRect(0, 0, side, side);
        arrow.rect.moveCenter(button.rect.center());
        arrow.palette.setBrush(QPalette::ButtonText, QApplication::palette().buttonText());
        proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_PushButton) {
            QProxyStyle::drawControl(element, option, painter, widget);
            if ((option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange)) {
                painter->save();
                painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(option->rect.adjusted(3, 3, -4, -4));
                painter->restore();
            }
            return;
        }
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || box == nullptr || box->editable ||
            !(box->state & State_HasFocus)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QRect field = proxy()->subControlRect(CC_ComboBox, box, SC_ComboBoxEditField, widget);
        painter->fillRect(field.adjusted(1, 2, -1, -2), box->palette.brush(QPalette::Highlight));
        QStyleOptionComboBox shown(*box);
        const QColor text = box->palette.color(QPalette::HighlightedText);
        shown.palette.setColor(QPalette::Text, text);
        shown.palette.setColor(QPalette::ButtonText, text);
        painter->save();
        painter->setPen(text);
        QProxyStyle::drawControl(element, &shown, painter, widget);
        painter->restore();
    }
};

}  // namespace

int UnitsBefore(const QString& text, int chars) {
    int units = 0;
    for (int c = 0; c < chars && units < text.size(); ++c)
        units += text[units].isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return units;
}

int CharsBefore(const QString& text, int units) {
    int chars = 0;
    for (int u = 0; u < units && u < text.size(); ++u) {
        if (!text[u].isLowSurrogate()) ++chars;
    }
    return chars;
}

ControlView::ControlView(QWidget* window)
    : QObject(window),
      window_(window),
      style_(new ControlStyle(QStyleFactory::create(QApplication::style()->name()))) {
    style_->setParent(this);
}

ControlView::~ControlView() {
    Detach();
}

void ControlView::Add(int id, QWidget* w, bool takes_focus) {
    if (static_cast<int>(widgets_.size()) <= id) widgets_.resize(static_cast<std::size_t>(id) + 1);
    widgets_[static_cast<std::size_t>(id)] = w;
    if (!takes_focus) {
        w->setFocusPolicy(Qt::NoFocus);
        return;
    }
    w->setFocusPolicy(Qt::StrongFocus);
    w->installEventFilter(this);
    if (auto* box = qobject_cast<QComboBox*>(w);
        qobject_cast<QPushButton*>(w) != nullptr || (box != nullptr && !box->isEditable())) {
        w->setStyle(style_);
    }
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
        edit = box->lineEdit();
        edit->installEventFilter(this);
        // Only a choice from the drop-down is a choice: a typed text that happens to match an
        // entry stays typed when the focus leaves the box.
        disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
        disconnect(edit, &QLineEdit::returnPressed, box, nullptr);
    }
    if (edit != nullptr) {
        SetUpTextBox(edit);
        connect(edit, &QLineEdit::cursorPositionChanged, this,
                [this, id, edit] { OnCursorMoved(id, edit); });
        connect(edit, &QLineEdit::selectionChanged, this,
                [this, id, edit] { OnCursorMoved(id, edit); });
    }
}

int ControlView::Find(const QObject* object) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const QWidget* w = widgets_[i];
        if (w == nullptr) continue;
        if (w == object) return static_cast<int>(i);
        if (auto* box = qobject_cast<const QComboBox*>(w); box && box->lineEdit() == object) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ControlView::Detach() {
    if (detached_) return;
    detached_ = true;
    for (QWidget* w : widgets_) {
        if (w == nullptr) continue;
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
        if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
            box->lineEdit()->removeEventFilter(this);
            disconnect(box->lineEdit(), nullptr, this, nullptr);
        }
    }
}

void ControlView::Render() {
    if (rendering_ || detached_ || !render) return;
    rendering_ = true;
    render();
    rendering_ = false;
}

// ------------------------------------------------------------------ what a person does

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    const int id = Find(watched);
    if (id < 0) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            // A click gives the focus before the press arrives.
            clicked_into_ =
                static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason ? id : -1;
            if (!quiet() && focus_arrived && model_focus() != id) focus_arrived(id);
            return false;
        case QEvent::KeyPress:
            return quiet() || (key_pressed && key_pressed(id, static_cast<QKeyEvent*>(event)));
        case QEvent::KeyRelease:
            return quiet() || (key_released && key_released(id, static_cast<QKeyEvent*>(event)));
        case QEvent::Shortcut:
            // An access key (Alt+C, Alt+N, ...) presses its button at once.
            if (!quiet() && access_key) access_key(id);
            return true;
        case QEvent::ContextMenu:
            // A field offers only the window's own menu: its own would edit behind the model.
            if (qobject_cast<QLineEdit*>(watched) == nullptr) return false;
            if (!quiet() && context_menu) {
                context_menu(id, static_cast<QContextMenuEvent*>(event)->globalPos());
            }
            return true;
        case QEvent::Wheel:
            // The wheel does not leaf through the lists.
            return qobject_cast<QComboBox*>(watched) != nullptr;
        case QEvent::InputMethod:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return OnMouse(watched, event);
        default:
            return false;
    }
}

bool ControlView::OnMouse(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // No pasting of the X11 selection with the middle button.
    if (mouse->button() == Qt::MiddleButton) return true;
    if (pressed_ == watched) {
        // The rest of a click that brought the focus: it does not undo the field's selection.
        if (event->type() == QEvent::MouseButtonRelease) pressed_ = nullptr;
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    // A click into a field gives it the focus first, as Tab would. When its focus handler
    // selected the text, the click leaves that selection alone; otherwise it places the caret.
    const bool focusing = clicked_into_ == Find(watched);
    clicked_into_ = -1;
    if (!focusing || !edit->hasSelectedText()) return false;
    pressed_ = edit;
    return true;
}

void ControlView::OnCursorMoved(int id, QLineEdit* edit) {
    if (quiet() || model_focus() != id || !selected) return;
    // The model follows the field; nothing else changes, so nothing is rendered (the list
    // whose entry is being chosen sets its text before it reports the choice).
    const auto [start, length] = SelectionOf(edit);
    busy_ = true;
    selected(id, start, length);
    busy_ = false;
}

// ------------------------------------------------------------------ showing the model

std::pair<int, int> ControlView::SelectionOf(const QLineEdit* edit) {
    const QString text = edit->text();
    int start = edit->cursorPosition();
    int length = 0;
    if (edit->hasSelectedText()) {
        start = edit->selectionStart();
        length = edit->selectionLength();
    }
    const int first = CharsBefore(text, start);
    return {first, CharsBefore(text, start + length) - first};
}

void ControlView::ShowText(QLineEdit* edit, const Control& c, bool focused) {
    const QSignalBlocker block(edit);
    const QString text = ToQString(c.text);
    if (edit->text() != text) edit->setText(text);
    const int start = UnitsBefore(text, c.sel_start);
    const int length = focused ? UnitsBefore(text, c.sel_start + c.sel_length) - start : 0;
    // A selection made backwards with Shift keeps its direction when it is the same.
    const bool same = length > 0
                          ? edit->selectionStart() == start && edit->selectionLength() == length
                          : !edit->hasSelectedText() && edit->cursorPosition() == start;
    if (same) return;
    if (length > 0) {
        edit->setSelection(start, length);
    } else {
        edit->setCursorPosition(start);  // and no selection
    }
}

void ControlView::ShowFocus(QWidget* want) {
    // The focus is always shown where it is, as after a key press.
    window_->setAttribute(Qt::WA_KeyboardFocusChange);
    if (want == nullptr || !want->isEnabled()) return;
    const QWidget* now = window_->focusWidget();
    if (now != nullptr && (now == want || now->focusProxy() == want || want->focusProxy() == now)) {
        return;
    }
    want->setFocus(Qt::OtherFocusReason);
}

// ------------------------------------------------------------------ widgets of each kind

QLabel* ControlView::MakeLabel(QWidget* parent, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align);
    return label;
}

QLabel* ControlView::MakeStatusLine(QWidget* parent) {
    QLabel* label = MakeLabel(parent, Qt::AlignLeft | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(2);
    return label;
}

QLineEdit* ControlView::MakeTextBox(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    SetUpTextBox(edit);
    return edit;
}

void ControlView::SetUpTextBox(QLineEdit* edit) {
    // The window offers its own context menu, through the same paths as the keys.
    edit->setContextMenuPolicy(Qt::DefaultContextMenu);
    edit->setDragEnabled(false);
    edit->setAcceptDrops(false);
}

QPushButton* ControlView::MakeButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace orvane::qt
