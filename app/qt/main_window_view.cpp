#include "app/qt/main_window_view.h"

#include "app/qt/frame_box.h"
#include "app/qt/print_preview.h"

#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <utility>

namespace orvane::qt {
namespace {

// A drop-down list that tells the window before it opens.
class ListBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> before_popup;

    void showPopup() override {
        if (before_popup) before_popup();
        if (isEnabled()) QComboBox::showPopup();
    }
};

// The schedule sheet as the grid widget shows it: the texts of the last Render(), the header row
// on the grey of a fixed row.
class GridTable final : public QAbstractTableModel {
  public:
    explicit GridTable(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ScheduleGrid::kRows;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ScheduleGrid::kCols;
    }
    Qt::ItemFlags flags(const QModelIndex& /*index*/) const override { return Qt::ItemIsEnabled; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        switch (role) {
            case Qt::DisplayRole:
                return ToQString(shown_.Text(index.row(), index.column()));
            case Qt::TextAlignmentRole:
                return shown_.ColAlign(index.column()) == ScheduleGrid::Align::RightCentre
                           ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                           : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
            case Qt::BackgroundRole:
                return index.row() == 0
                           ? QVariant(QColor(kButtonFace.r, kButtonFace.g, kButtonFace.b))
                           : QVariant();
            default:
                return {};
        }
    }

    void Show(const ScheduleGrid& grid) {
        bool same = true;
        for (int r = 0; same && r < ScheduleGrid::kRows; ++r) {
            for (int c = 0; same && c < ScheduleGrid::kCols; ++c)
                same = shown_.Text(r, c) == grid.Text(r, c);
        }
        for (int c = 0; same && c < ScheduleGrid::kCols; ++c)
            same = shown_.ColAlign(c) == grid.ColAlign(c);
        if (same) return;
        shown_ = grid;
        Q_EMIT dataChanged(index(0, 0), index(ScheduleGrid::kRows - 1, ScheduleGrid::kCols - 1));
    }

  private:
    ScheduleGrid shown_;
};

bool IsEntry(Kind k) {
    return k == Kind::TextBox || k == Kind::MaskBox || k == Kind::ComboList || k == Kind::ComboEdit;
}

bool TakesKeys(Kind k) {
    return IsEntry(k) || k == Kind::CheckBox || k == Kind::Option || k == Kind::Button ||
           k == Kind::Grid;
}

// The key code of a key as the window's handlers know it (US keyboard).
int KeyCode(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : '0') + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Backspace:
            return key::kBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return key::kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return key::kReturn;
        case Qt::Key_Shift:
            return key::kShift;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return key::kEnd;
        case Qt::Key_Home:
            return key::kHome;
        case Qt::Key_Left:
            return key::kLeft;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return key::kRight;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return key::kDelete;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return keypad ? 110 : key::kPoint;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return 188;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return keypad ? 109 : 189;
        case Qt::Key_Plus:
            return keypad ? 107 : 187;
        case Qt::Key_Equal:
            return 187;
        case Qt::Key_Asterisk:
            return keypad ? 106 : '8';
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return keypad ? 111 : 191;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return 186;
        // Shifted digits keep the code of their key.
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_At:
            return '2';
        case Qt::Key_NumberSign:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_AsciiCircum:
            return '6';
        case Qt::Key_Ampersand:
            return '7';
        case Qt::Key_ParenLeft:
            return '9';
        case Qt::Key_ParenRight:
            return '0';
        default:
            return 0;
    }
}

}  // namespace

MainWindowView::MainWindowView(const Services& services, QtWindowCommands::PopupMenu popup,
                               Twips twips, QWidget* parent)
    : QWidget(parent),
      twips_(twips),
      model_(services),
      commands_(*services.messages,
                popup ? std::move(popup) : QtWindowCommands::MenuAtPointer(this)) {
    model_.set_commands(&commands_);
    commands_.set_window(&model_);
    Build();
    AddPrintPreview(static_cast<QPushButton*>(control(MainCtl::cmdPrint)),
                    [this](Printer& printer) { Act([&] { model_.PrintOn(&printer); }); });
    model_.Form_Load();
    // Centred on the screen, as the window loads.
    if (const QScreen* s = screen()) {
        QRect area = s->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    Render();
}

MainWindowView::~MainWindowView() {
    // The widgets go while the model still exists, and nothing they do on the way reaches it.
    busy_ = true;
    for (QWidget* w : widgets_) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
        if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
            box->lineEdit()->removeEventFilter(this);
            disconnect(box->lineEdit(), nullptr, this, nullptr);
        }
    }
    widgets_.fill(nullptr);
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

QTableView* MainWindowView::grid() const {
    return static_cast<QTableView*>(control(MainCtl::grdDepr));
}

// ------------------------------------------------------------------ building the widgets

void MainWindowView::Build() {
    setObjectName(QStringLiteral("frmViewDepr"));
    setWindowTitle(ToQString(std::string(kAppTitle)));
    setFont(WindowFont());
    setFixedSize(twips_.ToPixels(7305), twips_.ToPixels(7185));
    SetRole(this, QPalette::Window, kButtonFace, true);
    setAutoFillBackground(true);

    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<MainCtl>(i);
        const MainControlDesign& d = Design(id);
        QWidget* parent = d.parent == MainCtl::None ? this : control(d.parent);
        QString caption = ToQString(std::string(d.caption));
        QWidget* w = nullptr;
        switch (d.kind) {
            case Kind::Frame:
                w = new FrameBox(caption, parent);
                break;
            case Kind::Label: {
                auto* label = new QLabel(parent);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                w = label;
                break;
            }
            case Kind::Status: {
                auto* label = new QLabel(parent);
                label->setTextFormat(Qt::PlainText);
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                label->setIndent(2);
                w = label;
                break;
            }
            case Kind::TextBox:
            case Kind::MaskBox: {
                auto* edit = new QLineEdit(parent);
                edit->setContextMenuPolicy(Qt::NoContextMenu);
                edit->setDragEnabled(false);
                edit->setAcceptDrops(false);
                edit->setTextMargins(1, 0, 0, 0);
                w = edit;
                break;
            }
            case Kind::ComboList:
            case Kind::ComboEdit: {
                auto* box = new ListBox(parent);
                box->setEditable(d.kind == Kind::ComboEdit);
                box->setMaxVisibleItems(8);
                if (QLineEdit* edit = box->lineEdit()) {
                    box->setInsertPolicy(QComboBox::NoInsert);
                    box->setCompleter(nullptr);
                    edit->setContextMenuPolicy(Qt::NoContextMenu);
                    edit->setDragEnabled(false);
                    edit->setAcceptDrops(false);
                }
                box->before_popup = [this, id, box] {
                    Act([&] { model_.OpenList(id); });
                    // The drop-down may be wider than the box, to show the longest entry.
                    const int wide = model_.controls()[id].dropped_width;
                    box->view()->setMinimumWidth(wide > box->width() ? wide : 0);
                };
                w = box;
                break;
            }
            case Kind::CheckBox:
                w = new QCheckBox(caption, parent);
                break;
            case Kind::Option: {
                auto* option = new QRadioButton(caption, parent);
                option->setAutoExclusive(false);  // the model keeps each group to one choice
                if (d.parent == MainCtl::fraConvention) option->setFont(ConventionFont());
                w = option;
                break;
            }
            case Kind::Button: {
                auto* button = new QPushButton(caption, parent);
                button->setAutoDefault(false);
                button->setDefault(id == MainCtl::cmdCalculate);
                w = button;
                break;
            }
            case Kind::Grid: {
                auto* table = new QTableView(parent);
                table->setModel(new GridTable(table));
                table->horizontalHeader()->hide();
                table->verticalHeader()->hide();
                table->setEditTriggers(QAbstractItemView::NoEditTriggers);
                table->setSelectionMode(QAbstractItemView::NoSelection);
                table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
                table->setWordWrap(false);
                table->setTextElideMode(Qt::ElideNone);
                table->setCornerButtonEnabled(false);
                QHeaderView* rows = table->verticalHeader();
                rows->setMinimumSectionSize(1);
                rows->setSectionResizeMode(QHeaderView::Fixed);
                table->horizontalHeader()->setMinimumSectionSize(0);
                w = table;
                break;
            }
        }
        w->setObjectName(ToQString(std::string(d.name)));
        Place(id, w);
        Connect(id, w);
    }
    control(MainCtl::cmdExport)
        ->setToolTip(ToQString(model_.controls()[MainCtl::cmdExport].tool_tip));
    // The twelve rows share the height of the grid above its scroll bar.
    QTableView* table = grid();
    const int inner = table->height() - 2 * table->frameWidth() -
                      table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    table->verticalHeader()->setDefaultSectionSize(
        std::max(twips_.ToPixels(240), inner / ScheduleGrid::kRows));
}

void MainWindowView::Place(MainCtl id, QWidget* w) {
    const MainControlDesign& d = Design(id);
    w->setGeometry(twips_.ToPixels(d.left), twips_.ToPixels(d.top), twips_.ToPixels(d.width),
                   twips_.ToPixels(d.height));
    widgets_[static_cast<int>(id)] = w;
}

void MainWindowView::Connect(MainCtl id, QWidget* w) {
    const Kind kind = Design(id).kind;
    if (!TakesKeys(kind)) {
        w->setFocusPolicy(Qt::NoFocus);
        return;
    }
    w->setFocusPolicy(Qt::StrongFocus);
    w->installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, id] { Act([&] { model_.Click(id); }); });
    }
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        connect(box, &QComboBox::activated, this,
                [this, id](int index) { Act([&] { model_.ChooseItem(id, index); }); });
    }
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
        edit = box->lineEdit();
        edit->installEventFilter(this);
    }
    if (edit) {
        // Only the mouse moves the caret of a field outside Render(); the model follows it.
        connect(edit, &QLineEdit::cursorPositionChanged, this,
                [this, id, edit] { OnCursorMoved(id, edit); });
        connect(edit, &QLineEdit::selectionChanged, this,
                [this, id, edit] { OnCursorMoved(id, edit); });
    }
}

MainCtl MainWindowView::Find(const QObject* object) const {
    for (int i = 0; i < kControlCount; ++i) {
        const QWidget* w = widgets_[i];
        if (w == nullptr) continue;
        if (w == object) return static_cast<MainCtl>(i);
        if (auto* box = qobject_cast<const QComboBox*>(w); box && box->lineEdit() == object) {
            return static_cast<MainCtl>(i);
        }
    }
    return MainCtl::None;
}

// ------------------------------------------------------------------ what a person does

template <class F>
void MainWindowView::Act(F&& action) {
    if (busy_ || rendering_) return;
    busy_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{busy_};
    std::forward<F>(action)();
    busy_ = false;
    Render();
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    const MainCtl id = Find(watched);
    if (id == MainCtl::None) return QWidget::eventFilter(watched, event);
    const bool quiet = busy_ || rendering_;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (!quiet) OnFocusIn(id);
            return false;
        case QEvent::KeyPress:
            return quiet || OnKeyPress(id, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return quiet || OnKeyRelease(static_cast<QKeyEvent*>(event));
        case QEvent::Shortcut:
            // An access key (Alt+C, Alt+L, ...) presses its button at once.
            if (!quiet) Act([&] { model_.Click(id); });
            return true;
        case QEvent::Wheel:
            // The wheel does not leaf through the lists.
            return qobject_cast<QComboBox*>(watched) != nullptr;
        case QEvent::InputMethod:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // No pasting of the X11 selection into a field with the middle button.
            return qobject_cast<QLineEdit*>(watched) != nullptr &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

void MainWindowView::OnFocusIn(MainCtl id) {
    if (model_.controls().focus() == id) return;
    Act([&] { model_.Focus(id); });
}

bool MainWindowView::OnKeyPress(MainCtl id, QKeyEvent* e) {
    const int k = e->key();
    const auto mods = e->modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    const Kind kind = Design(id).kind;
    const bool list = kind == Kind::ComboList || kind == Kind::ComboEdit;

    // The list opens itself (Alt+Down, F4); showPopup() tells the model.
    if (list && (k == Qt::Key_F4 || (alt && (k == Qt::Key_Down || k == Qt::Key_Up)))) {
        return false;
    }
    // Copying a selection changes nothing.
    if (e->matches(QKeySequence::Copy)) return false;

    Act([&] {
        // A key goes to the control that shows the focus.
        if (model_.controls().focus() != id) model_.Focus(id);
        if ((k == Qt::Key_Tab || k == Qt::Key_Backtab) && !ctrl && !alt) {
            model_.Tab(k == Qt::Key_Backtab || mods.testFlag(Qt::ShiftModifier));
            return;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            // A focused button takes Enter itself; elsewhere Enter presses Calculate.
            if (kind == Kind::Button) {
                model_.Click(id);
            } else {
                model_.PressEnter();
            }
            return;
        }
        if (e->matches(QKeySequence::Paste)) {
            model_.Paste(QApplication::clipboard()->text().toStdString());
            return;
        }
        const int code = KeyCode(e);
        model_.KeyDown(code);
        down_[k] = id;
        if (list && !alt && (k == Qt::Key_Up || k == Qt::Key_Down)) {
            // The arrows step through a closed list, as choosing the entry would.
            const Control& c = model_.controls()[id];
            int next = c.list_index + (k == Qt::Key_Down ? 1 : -1);
            if (c.list_index < 0 && k == Qt::Key_Down) next = 0;
            model_.ChooseItem(id, next);
            return;
        }
        if (k == Qt::Key_Delete) return;  // Delete types no character
        char ch = 0;
        if (k == Qt::Key_Backspace) {
            ch = 8;
        } else if (const QString text = e->text(); text.size() == 1 && text[0].unicode() < 128) {
            ch = static_cast<char>(text[0].unicode());
        }
        if (ch != 0 && !alt) model_.KeyPress(ch);
    });
    return true;
}

bool MainWindowView::OnKeyRelease(QKeyEvent* e) {
    if (e->isAutoRepeat()) return true;
    // Only a key that went down in this same control comes up in it: Tab, Enter and the access
    // keys were taken by the window, and a key whose press moved the focus on (Alt before an
    // access key) is not released into the next control.
    const auto it = down_.find(e->key());
    if (it == down_.end()) return true;
    const MainCtl pressed_in = it->second;
    down_.erase(it);
    if (model_.controls().focus() != pressed_in) return true;
    const int code = KeyCode(e);
    Act([&] { model_.KeyUp(code); });
    return true;
}

void MainWindowView::OnCursorMoved(MainCtl id, QLineEdit* edit) {
    if (busy_ || rendering_ || model_.controls().focus() != id) return;
    int start = edit->cursorPosition();
    int length = 0;
    if (edit->hasSelectedText()) {
        start = edit->selectionStart();
        length = static_cast<int>(edit->selectedText().size());
    }
    const Control& c = model_.controls()[id];
    if (c.sel_start == start && c.sel_length == length) return;
    model_.Select(id, start, length);
}

// ------------------------------------------------------------------ showing the model

void MainWindowView::Render() {
    if (rendering_) return;
    rendering_ = true;
    for (int i = 0; i < kControlCount; ++i)
        RenderControl(static_cast<MainCtl>(i));
    RenderGrid();
    RenderFocus();
    rendering_ = false;
}

void MainWindowView::RenderControl(MainCtl id) {
    QWidget* w = control(id);
    const Control& c = model_.controls()[id];
    const Kind kind = Design(id).kind;
    const QSignalBlocker block(w);
    if (w->isEnabledTo(w->parentWidget()) != c.enabled) w->setEnabled(c.enabled);
    if (w->toolTip() != ToQString(c.tool_tip)) w->setToolTip(ToQString(c.tool_tip));

    switch (kind) {
        case Kind::Frame: {
            auto* frame = static_cast<FrameBox*>(w);
            if (frame->title() != ToQString(c.caption)) frame->setTitle(ToQString(c.caption));
            SetRole(w, QPalette::WindowText, c.fore, false);
            break;
        }
        case Kind::Label:
        case Kind::Status: {
            auto* label = static_cast<QLabel*>(w);
            if (label->text() != ToQString(c.caption)) label->setText(ToQString(c.caption));
            SetRole(w, QPalette::WindowText, c.fore, false);
            break;
        }
        case Kind::TextBox:
        case Kind::MaskBox: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (edit->text() != ToQString(c.text)) edit->setText(ToQString(c.text));
            if (c.sel_length > 0) {
                edit->setSelection(c.sel_start, c.sel_length);
            } else {
                edit->setCursorPosition(c.sel_start);
            }
            SetRole(w, QPalette::Text, c.fore, false);
            SetRole(w, QPalette::Base, c.back, true);
            break;
        }
        case Kind::ComboList:
        case Kind::ComboEdit:
            RenderList(id, static_cast<QComboBox*>(w));
            break;
        case Kind::CheckBox:
        case Kind::Option: {
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->isChecked() != (c.value != 0)) button->setChecked(c.value != 0);
            if (button->text() != ToQString(c.caption)) button->setText(ToQString(c.caption));
            SetRole(w, QPalette::WindowText, c.fore, false);
            break;
        }
        case Kind::Button: {
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->text() != ToQString(c.caption)) button->setText(ToQString(c.caption));
            break;
        }
        case Kind::Grid:
            break;
    }
}

void MainWindowView::RenderList(MainCtl id, QComboBox* box) {
    const Control& c = model_.controls()[id];
    bool same = box->count() == static_cast<int>(c.items.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == ToQString(c.items[i]);
    if (!same) {
        box->clear();
        for (const std::string& item : c.items)
            box->addItem(ToQString(item));
    }
    if (box->currentIndex() != c.list_index) box->setCurrentIndex(c.list_index);
    if (QLineEdit* edit = box->lineEdit()) {
        const QSignalBlocker block(edit);
        if (edit->text() != ToQString(c.text)) edit->setText(ToQString(c.text));
        if (c.sel_length > 0) {
            edit->setSelection(c.sel_start, c.sel_length);
        } else {
            edit->setCursorPosition(c.sel_start);
        }
        SetRole(edit, QPalette::Text, c.fore, false);
        SetRole(edit, QPalette::Base, c.back, true);
    }
    SetRole(box, QPalette::Text, c.fore, false);
    SetRole(box, QPalette::ButtonText, c.fore, false);
    SetRole(box, QPalette::Base, c.back, true);
    SetRole(box, QPalette::Button, c.back, true);
}

void MainWindowView::RenderGrid() {
    QTableView* table = grid();
    const ScheduleGrid& g = model_.controls().grid;
    for (int col = 0; col < ScheduleGrid::kCols; ++col) {
        const int width = twips_.ToPixels(g.ColWidth(col));
        const bool hidden = width == 0;
        if (table->isColumnHidden(col) != hidden) table->setColumnHidden(col, hidden);
        if (!hidden && table->columnWidth(col) != width) table->setColumnWidth(col, width);
    }
    static_cast<GridTable*>(table->model())->Show(g);
}

void MainWindowView::RenderFocus() {
    const MainCtl id = model_.controls().focus();
    if (id == MainCtl::None) return;
    QWidget* want = control(id);
    if (focusWidget() != want && want->isEnabled()) want->setFocus(Qt::OtherFocusReason);
}

}  // namespace orvane::qt
