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
    : QDialog(parent), editor_(editor), twips_(twips), view_(new ControlView(this)) {
    Build();
}

LimitEditorView::~LimitEditorView() {
    // The widgets go quietly, before the look they share: nothing they do on the way reaches
    // the editor.
    view_->Detach();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void LimitEditorView::Build() {
    setObjectName(QStringLiteral("frmAutoMax"));
    setModal(true);
    setFont(WindowFont());
    setFixedSize(twips_.ToPixels(kAutoMaxClientWidth), twips_.ToPixels(kAutoMaxClientHeight));
    SetRole(this, QPalette::Window, kButtonFace, true);
    setAutoFillBackground(true);

    view_->focus_arrived = [this](int id) {
        Act([&] { editor_.SetFocus(static_cast<EditorCtl>(id)); });
    };
    view_->key_pressed = [this](int id, QKeyEvent* e) {
        return OnKeyPress(static_cast<EditorCtl>(id), e);
    };
    view_->access_key = [this](int id) { Act([&] { editor_.Click(static_cast<EditorCtl>(id)); }); };
    view_->selected = [this](int id, int start, int length) {
        editor_.Select(static_cast<EditorCtl>(id), start, length);
    };
    view_->model_focus = [this] {
        const EditorCtl id = editor_.controls.focus;
        return id == EditorCtl::None ? -1 : static_cast<int>(id);
    };
    view_->render = [this] {
        const QString caption = ToQString(editor_.controls.caption);
        if (windowTitle() != caption) setWindowTitle(caption);
        for (int i = 0; i < kEditorControlCount; ++i)
            RenderControl(static_cast<EditorCtl>(i));
        const EditorCtl focus = editor_.controls.focus;
        view_->ShowFocus(focus == EditorCtl::None ? nullptr : control(focus));
    };

    std::map<int, QWidget*> tab_order;
    for (int i = 0; i < kEditorControlCount; ++i) {
        const auto id = static_cast<EditorCtl>(i);
        const EditorControlDesign& d = Design(id);
        QWidget* w = Make(id);
        w->setObjectName(ToQString(d.name));
        w->setGeometry(twips_.ToPixels(d.left), twips_.ToPixels(d.top), twips_.ToPixels(d.width),
                       twips_.ToPixels(d.height));
        view_->Add(i, w, d.tab_index >= 0);
        if (d.tab_index >= 0) tab_order[d.tab_index] = w;
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

// One widget of the kind of control `id`.
QWidget* LimitEditorView::Make(EditorCtl id) {
    const EditorControlDesign& d = Design(id);
    switch (d.kind) {
        case Kind::TextBox: {
            QLineEdit* edit = ControlView::MakeTextBox(this);
            edit->setAlignment(d.align_right ? Qt::AlignRight | Qt::AlignVCenter
                                             : Qt::AlignLeft | Qt::AlignVCenter);
            return edit;
        }
        case Kind::Button: {
            QPushButton* button = ControlView::MakeButton(ToQString(d.caption), this);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { Act([&] { editor_.Click(id); }); });
            return button;
        }
        case Kind::Status:
            return ControlView::MakeStatusLine(this);
        default:
            return ControlView::MakeLabel(this, Qt::AlignLeft | Qt::AlignVCenter);
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
    view_->Act([&] { editor_.Form_Load(to_twips(area.width()), to_twips(area.height())); });
    move(area.x() + twips_.ToPixels(editor_.controls.left),
         area.y() + twips_.ToPixels(editor_.controls.top));
}

// ------------------------------------------------------------------ what a person does

template <class F>
void LimitEditorView::Act(F&& action) {
    view_->Act(std::forward<F>(action));
    if (!editor_.loaded() && isVisible()) done(QDialog::Accepted);
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
    if (view_->quiet()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// ------------------------------------------------------------------ showing the editor

void LimitEditorView::Render() {
    view_->Render();
}

void LimitEditorView::RenderControl(EditorCtl id) {
    QWidget* w = control(id);
    const Control& c = editor_.controls[id];
    const QSignalBlocker block(w);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    SetBold(w, c.bold);
    switch (Design(id).kind) {
        case Kind::TextBox:
            ControlView::ShowText(static_cast<QLineEdit*>(w), c, editor_.controls.focus == id);
            SetRole(w, QPalette::Text, c.fore, false);
            SetRole(w, QPalette::Base, c.back, true);
            break;
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
    // Every box the editor and its file show comes up over the editor's latest state.
    RenderFirstBoxes boxes(boxes_);
    DataFile data(folder_ ? folder_() : std::filesystem::path(), boxes);
    data.OpenFile(file);
    LimitEditorModel editor(data, boxes, beeper_, std::string(file));
    if (!caption.empty()) editor.controls.caption = std::string(caption);
    LimitEditorView view(editor, twips_, parent_.data());
    boxes.render = [&view] { view.Render(); };
    view.Load();
    view.exec();
    boxes.render = nullptr;
    // The window that opened the editor takes the keyboard back, even without a window manager.
    if (parent_ != nullptr) parent_->activateWindow();
}

}  // namespace orvane::qt
