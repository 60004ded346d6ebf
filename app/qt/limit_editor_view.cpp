#include "app/qt/limit_editor_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "limits/data_file.h"

namespace orvane::qt {
namespace {

void SetBold(QWidget* w, bool bold) {
    if (w->font().bold() == bold) return;
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

// The editor counts characters; a QLineEdit counts UTF-16 units.
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

// Keys that only move the caret or the selection: the box takes them itself and the editor
// then follows its selection.
bool MovesCaret(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            return !e->modifiers().testFlag(Qt::AltModifier);
        default:
            return e->matches(QKeySequence::SelectAll);
    }
}

}  // namespace

// ------------------------------------------------------------------ the dialog

LimitEditorView::LimitEditorView(LimitEditorModel& editor, Twips twips, QWidget* parent)
    : QDialog(parent), editor_(editor), twips_(twips) {
    Build();
}

LimitEditorView::~LimitEditorView() {
    // The widgets go quietly: nothing they do on the way reaches the editor.
    busy_ = true;
    for (QWidget* w : widgets_) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
    }
}

void LimitEditorView::Build() {
    setObjectName(QStringLiteral("frmAutoMax"));
    setModal(true);
    setFont(WindowFont());
    setFixedSize(twips_.ToPixels(kAutoMaxClientWidth), twips_.ToPixels(kAutoMaxClientHeight));
    SetRole(this, QPalette::Window, kButtonFace, true);
    setAutoFillBackground(true);

    std::map<int, QWidget*> tab_order;
    for (int i = 0; i < kEditorControlCount; ++i) {
        const auto id = static_cast<EditorCtl>(i);
        const EditorControlDesign& d = Design(id);
        QWidget* w = nullptr;
        switch (d.kind) {
            case Kind::TextBox: {
                auto* edit = new QLineEdit(this);
                edit->setAlignment(d.align_right ? Qt::AlignRight | Qt::AlignVCenter
                                                 : Qt::AlignLeft | Qt::AlignVCenter);
                edit->setContextMenuPolicy(Qt::NoContextMenu);
                edit->setDragEnabled(false);
                edit->setAcceptDrops(false);
                connect(edit, &QLineEdit::cursorPositionChanged, this,
                        [this, id, edit] { OnCursorMoved(id, edit); });
                connect(edit, &QLineEdit::selectionChanged, this,
                        [this, id, edit] { OnCursorMoved(id, edit); });
                w = edit;
                break;
            }
            case Kind::Button: {
                auto* button = new QPushButton(ToQString(d.caption), this);
                button->setAutoDefault(false);
                button->setDefault(false);
                connect(button, &QPushButton::clicked, this,
                        [this, id] { Act([&] { editor_.Click(id); }); });
                w = button;
                break;
            }
            case Kind::Status: {
                auto* label = new QLabel(this);
                label->setTextFormat(Qt::PlainText);
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                label->setIndent(2);
                w = label;
                break;
            }
            default: {
                auto* label = new QLabel(this);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                w = label;
                break;
            }
        }
        w->setObjectName(ToQString(d.name));
        w->setGeometry(twips_.ToPixels(d.left), twips_.ToPixels(d.top), twips_.ToPixels(d.width),
                       twips_.ToPixels(d.height));
        if (d.tab_index >= 0) {
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
            tab_order[d.tab_index] = w;
        } else {
            w->setFocusPolicy(Qt::NoFocus);
        }
        widgets_[static_cast<std::size_t>(i)] = w;
    }
    // The design sets each caption level with the text of its box, and a box centres its text:
    // the caption's line is centred on the box's too.
    for (std::size_t i = 0; i < kRecordLabels.size(); ++i) {
        QWidget* label = control(kRecordLabels[i]);
        const QRect box = control(kRecordBoxes[i])->geometry();
        label->move(label->x(), box.center().y() - (label->height() - 1) / 2);
    }
    QWidget* previous = nullptr;
    for (const auto& [index, w] : tab_order) {
        if (previous != nullptr) setTabOrder(previous, w);
        previous = w;
    }
}

void LimitEditorView::Load() {
    // The editor centres the window on the screen, in twips.
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect area = s != nullptr ? s->geometry() : QRect(0, 0, 1024, 768);
    auto to_twips = [&](int pixels) {
        return static_cast<int>(std::lround(pixels * twips_.PerPixel()));
    };
    editor_.controls.width = to_twips(width());
    editor_.controls.height = to_twips(height());
    busy_ = true;
    editor_.Form_Load(to_twips(area.width()), to_twips(area.height()));
    busy_ = false;
    move(area.x() + twips_.ToPixels(editor_.controls.left),
         area.y() + twips_.ToPixels(editor_.controls.top));
    Render();
}

EditorCtl LimitEditorView::Find(const QObject* object) const {
    for (int i = 0; i < kEditorControlCount; ++i) {
        if (widgets_[static_cast<std::size_t>(i)] == object) return static_cast<EditorCtl>(i);
    }
    return EditorCtl::None;
}

// ------------------------------------------------------------------ what a person does

template <class F>
void LimitEditorView::Act(F&& action) {
    if (busy_ || rendering_) return;
    busy_ = true;
    struct Idle {
        bool& flag;
        ~Idle() { flag = false; }
    } idle{busy_};
    std::forward<F>(action)();
    busy_ = false;
    Render();
    if (!editor_.loaded() && isVisible()) done(QDialog::Accepted);
}

bool LimitEditorView::eventFilter(QObject* watched, QEvent* event) {
    const EditorCtl id = Find(watched);
    if (id == EditorCtl::None) return QDialog::eventFilter(watched, event);
    const bool quiet = busy_ || rendering_;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (!quiet && editor_.controls.focus != id) Act([&] { editor_.SetFocus(id); });
            return false;
        case QEvent::KeyPress:
            return quiet || OnKeyPress(id, static_cast<QKeyEvent*>(event));
        case QEvent::Shortcut:
            // An access key (Alt+N, Alt+S, ...) presses its button at once.
            if (!quiet) Act([&] { editor_.Click(id); });
            return true;
        case QEvent::InputMethod:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // No pasting of the X11 selection into a box with the middle button.
            return qobject_cast<QLineEdit*>(watched) != nullptr &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

bool LimitEditorView::OnKeyPress(EditorCtl id, QKeyEvent* e) {
    const int k = e->key();
    const auto mods = e->modifiers();
    if (k == Qt::Key_Escape) {
        Act([&] { editor_.PressEscape(); });
        return true;
    }
    // Tab and Shift+Tab move the focus along the tab order; the editor hears of it on arrival.
    if ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && !mods.testFlag(Qt::ControlModifier)) {
        return false;
    }
    if (Design(id).kind == Kind::Button) {
        // A focused button takes Enter (Space clicks it as usual).
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Act([&] { editor_.Click(id); });
            return true;
        }
        return false;
    }
    if (MovesCaret(e) || e->matches(QKeySequence::Copy)) return false;
    if (k == Qt::Key_Delete && mods == Qt::NoModifier) {
        Act([&] { editor_.PressDelete(id); });
        return true;
    }
    if (mods.testFlag(Qt::AltModifier)) return true;
    // The characters the key types, as the box's KeyPress handler receives them: Backspace 8,
    // Enter 13, and Ctrl with a letter its control character.
    std::u32string keys;
    if (k == Qt::Key_Backspace) {
        keys = U"\b";
    } else if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        keys = U"\r";
    } else if (mods.testFlag(Qt::ControlModifier)) {
        if (k >= Qt::Key_A && k <= Qt::Key_Z)
            keys.push_back(static_cast<char32_t>(k - Qt::Key_A + 1));
    } else {
        for (char32_t ch : e->text().toUcs4())
            keys.push_back(ch);
    }
    if (!keys.empty()) {
        Act([&] {
            for (char32_t ch : keys)
                editor_.KeyPress(id, ch);
        });
    }
    return true;
}

void LimitEditorView::OnCursorMoved(EditorCtl id, QLineEdit* edit) {
    if (busy_ || rendering_ || editor_.controls.focus != id) return;
    const QString text = edit->text();
    int start = edit->cursorPosition();
    int length = 0;
    if (edit->hasSelectedText()) {
        start = edit->selectionStart();
        length = edit->selectionLength();
    }
    const int first = CharsBefore(text, start);
    const int count = CharsBefore(text, start + length) - first;
    const Control& c = editor_.controls[id];
    if (c.sel_start == first && c.sel_length == count) return;
    Act([&] { editor_.Select(id, first, count); });
}

void LimitEditorView::keyPressEvent(QKeyEvent* event) {
    // Esc presses Close, the window's cancel button; there is no default button for Enter.
    if (event->key() == Qt::Key_Escape) {
        Act([&] { editor_.PressEscape(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void LimitEditorView::closeEvent(QCloseEvent* event) {
    // The window's close button closes the window alone: no question, and the limit file is
    // let go with the editor.
    if (busy_ || rendering_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// ------------------------------------------------------------------ showing the editor

void LimitEditorView::Render() {
    if (rendering_) return;
    rendering_ = true;
    const QString caption = ToQString(editor_.controls.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    for (int i = 0; i < kEditorControlCount; ++i)
        RenderControl(static_cast<EditorCtl>(i));
    const EditorCtl focus = editor_.controls.focus;
    if (focus != EditorCtl::None) {
        QWidget* want = control(focus);
        if (focusWidget() != want && want->isEnabled()) want->setFocus(Qt::OtherFocusReason);
    }
    rendering_ = false;
}

void LimitEditorView::RenderControl(EditorCtl id) {
    QWidget* w = control(id);
    const Control& c = editor_.controls[id];
    const QSignalBlocker block(w);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    SetBold(w, c.bold);
    switch (Design(id).kind) {
        case Kind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(w);
            const QString text = ToQString(c.text);
            if (edit->text() != text) edit->setText(text);
            const int start = UnitsBefore(text, c.sel_start);
            const int length = UnitsBefore(text, c.sel_start + c.sel_length) - start;
            // A selection made backwards with Shift keeps its direction when it is the same.
            const bool same =
                length > 0 ? edit->selectionStart() == start && edit->selectionLength() == length
                           : !edit->hasSelectedText() && edit->cursorPosition() == start;
            if (!same) {
                if (length > 0) {
                    edit->setSelection(start, length);
                } else {
                    edit->setCursorPosition(start);
                }
            }
            SetRole(w, QPalette::Text, c.fore, false);
            SetRole(w, QPalette::Base, c.back, true);
            break;
        }
        case Kind::Button: {
            auto* button = static_cast<QPushButton*>(w);
            if (button->text() != ToQString(c.caption)) button->setText(ToQString(c.caption));
            break;
        }
        case Kind::Status: {
            auto* label = static_cast<QLabel*>(w);
            if (label->text() != ToQString(c.text)) label->setText(ToQString(c.text));
            SetRole(w, QPalette::WindowText, c.fore, false);
            break;
        }
        default: {
            auto* label = static_cast<QLabel*>(w);
            if (label->text() != ToQString(c.caption)) label->setText(ToQString(c.caption));
            SetRole(w, QPalette::WindowText, c.fore, false);
            break;
        }
    }
}

// ------------------------------------------------------------------ opening from the menu

QtLimitEditors::QtLimitEditors(std::function<std::filesystem::path()> folder, MessageBoxes& boxes,
                               Beeper& beeper, Twips twips)
    : folder_(std::move(folder)), boxes_(boxes), beeper_(beeper), twips_(twips) {}

void QtLimitEditors::ShowEditor(std::string_view file, std::string_view caption) {
    DataFile data(folder_ ? folder_() : std::filesystem::path(), boxes_);
    data.OpenFile(file);
    LimitEditorModel editor(data, boxes_, beeper_, std::string(file));
    if (!caption.empty()) editor.controls.caption = std::string(caption);
    LimitEditorView view(editor, twips_, parent_.data());
    view.Load();
    view.exec();
    // The window that opened the editor takes the keyboard back, even without a window manager.
    if (parent_ != nullptr) parent_->activateWindow();
}

}  // namespace orvane::qt
