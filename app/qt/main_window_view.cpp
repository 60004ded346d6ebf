#include "app/qt/main_window_view.h"

#include <QAbstractItemView>
#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <utility>

#include "app/qt/frame_box.h"
#include "app/qt/print_preview.h"

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
    Qt::ItemFlags flags(const QModelIndex& /*index*/) const override {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
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

// The key codes of the window's KeyDown and KeyUp handlers (US keyboard), of the keys that are
// not a letter, a digit or a function key; a shifted key keeps the code of its key.
struct KeyRow {
    Qt::Key key;
    int code;
    int keypad_code;  // on the numeric keypad; 0: as elsewhere
};
constexpr KeyRow kKeyCodes[] = {
    {Qt::Key_Backspace, key::kBack, 0},
    {Qt::Key_Tab, key::kTab, 0},
    {Qt::Key_Backtab, key::kTab, 0},
    {Qt::Key_Return, key::kReturn, 0},
    {Qt::Key_Enter, key::kReturn, 0},
    {Qt::Key_Shift, key::kShift, 0},
    {Qt::Key_Control, 17, 0},
    {Qt::Key_Alt, 18, 0},
    {Qt::Key_Escape, 27, 0},
    {Qt::Key_Space, 32, 0},
    {Qt::Key_PageUp, 33, 0},
    {Qt::Key_PageDown, 34, 0},
    {Qt::Key_End, key::kEnd, 0},
    {Qt::Key_Home, key::kHome, 0},
    {Qt::Key_Left, key::kLeft, 0},
    {Qt::Key_Up, 38, 0},
    {Qt::Key_Right, key::kRight, 0},
    {Qt::Key_Down, 40, 0},
    {Qt::Key_Insert, 45, 0},
    {Qt::Key_Delete, key::kDelete, 0},
    {Qt::Key_Period, key::kPoint, 110},
    {Qt::Key_Greater, key::kPoint, 0},
    {Qt::Key_Comma, 188, 0},
    {Qt::Key_Less, 188, 0},
    {Qt::Key_Minus, 189, 109},
    {Qt::Key_Underscore, 189, 0},
    {Qt::Key_Plus, 187, 107},
    {Qt::Key_Equal, 187, 0},
    {Qt::Key_Asterisk, '8', 106},
    {Qt::Key_Slash, 191, 111},
    {Qt::Key_Question, 191, 0},
    {Qt::Key_Semicolon, 186, 0},
    {Qt::Key_Colon, 186, 0},
    {Qt::Key_Exclam, '1', 0},
    {Qt::Key_At, '2', 0},
    {Qt::Key_NumberSign, '3', 0},
    {Qt::Key_Dollar, '4', 0},
    {Qt::Key_Percent, '5', 0},
    {Qt::Key_AsciiCircum, '6', 0},
    {Qt::Key_Ampersand, '7', 0},
    {Qt::Key_ParenLeft, '9', 0},
    {Qt::Key_ParenRight, '0', 0},
};

int KeyCode(const QKeyEvent* e) {
    const int k = e->key();
    const bool keypad = e->modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : '0') + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    for (const KeyRow& row : kKeyCodes) {
        if (row.key == k) return keypad && row.keypad_code != 0 ? row.keypad_code : row.code;
    }
    return 0;
}

// The keys with which the grid moves its own cell and selection.
bool GridMovesItself(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return e->matches(QKeySequence::SelectAll);
    }
}

int Id(MainCtl id) {
    return static_cast<int>(id);
}

// A schedule cell as a spreadsheet reads a number: no grouping, no blanks, a zero before the
// point.
std::string PlainCell(const std::string& text) {
    std::string plain;
    for (char ch : text) {
        if (ch != ',' && ch != ' ') plain += ch;
    }
    if (!plain.empty() && plain.front() == '.') plain.insert(plain.begin(), '0');
    return plain;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

// The grid holds four groups of eleven years side by side: group g in columns 3g+1 to 3g+3
// (year, depreciation, basis left), its years in rows 1 to 11.
std::string ScheduleText(const ScheduleGrid& grid, const std::vector<std::pair<int, int>>& cells) {
    constexpr int kFields = 3;
    constexpr int kYearsPerGroup = ScheduleGrid::kRows - 1;
    std::set<int> years;  // g * 11 + row - 1
    std::set<int> fields;
    bool header = false;
    auto take = [&](int row, int col) {
        if (col < 1 || col >= ScheduleGrid::kCols || row < 0 || row >= ScheduleGrid::kRows) return;
        const int group = (col - 1) / kFields;
        fields.insert((col - 1) % kFields);
        if (row == 0) {
            header = true;
        } else {
            years.insert(group * kYearsPerGroup + row - 1);
        }
    };
    if (cells.empty()) {
        for (int row = 0; row < ScheduleGrid::kRows; ++row) {
            for (int col = 1; col < ScheduleGrid::kCols; ++col)
                take(row, col);
        }
    } else {
        for (const auto& [row, col] : cells)
            take(row, col);
    }
    std::string out;
    auto line = [&](auto cell) {
        std::string text;
        bool any = false;
        for (int f : fields) {
            if (f != *fields.begin()) text += '\t';
            const std::string value = cell(f);
            any = any || !value.empty();
            text += value;
        }
        if (any) out += text + "\n";
    };
    if (header) line([&](int f) { return Trimmed(grid.Text(0, 1 + f)); });
    for (int year : years) {
        const int row = year % kYearsPerGroup + 1;
        const int col = year / kYearsPerGroup * kFields + 1;
        line([&](int f) { return PlainCell(grid.Text(row, col + f)); });
    }
    // One cell alone goes without a line end, so that it pastes into a field too.
    if (std::count(out.begin(), out.end(), '\n') == 1) out.pop_back();
    return out;
}

const std::vector<std::string>& MainWindowView::FieldMenuEntries() {
    static const std::vector<std::string> entries = {"Cut", "Copy", "Paste", "Select All"};
    return entries;
}

const std::vector<std::string>& MainWindowView::GridMenuEntries() {
    static const std::vector<std::string> entries = {"Copy", "Copy Schedule"};
    return entries;
}

MainWindowView::MainWindowView(const Services& services, QtWindowCommands::PopupMenu popup,
                               Twips twips, QWidget* parent)
    : QWidget(parent),
      twips_(twips),
      boxes_(*services.messages),
      model_([&] {
          Services own = services;
          own.messages = &boxes_;
          return own;
      }()),
      popup_(popup ? std::move(popup) : QtWindowCommands::MenuAtPointer(this)),
      commands_(boxes_, popup_),
      view_(new ControlView(this)) {
    model_.set_commands(&commands_);
    commands_.set_window(&model_);
    boxes_.render = [this] { Render(); };
    Services exporting = services;  // the export's boxes show over the rendered window too
    exporting.messages = &boxes_;
    commands_.set_services(exporting);
    Build();
    AddPrintPreview(static_cast<QPushButton*>(control(MainCtl::cmdPrint)),
                    [this](Printer& printer) { view_->Act([&] { model_.PrintOn(&printer); }); });
    model_.Form_Load();
    // Centred on the screen, as the window loads.
    if (const QScreen* s = screen()) {
        QRect area = s->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    Render();
}

MainWindowView::~MainWindowView() {
    // The widgets go while the model and their look still exist, and nothing they do on the
    // way reaches the model.
    boxes_.render = nullptr;
    view_->Detach();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

QWidget* MainWindowView::control(MainCtl id) const {
    return view_->widget(Id(id));
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

    view_->focus_arrived = [this](int id) {
        view_->Act([&] { model_.Focus(static_cast<MainCtl>(id)); });
    };
    view_->key_pressed = [this](int id, QKeyEvent* e) {
        if (e->key() == Qt::Key_F1) {
            OnHelpKey(static_cast<MainCtl>(id));
            return true;
        }
        return OnKeyPress(static_cast<MainCtl>(id), e);
    };
    view_->key_released = [this](int, QKeyEvent* e) { return OnKeyRelease(e); };
    view_->access_key = [this](int id) {
        view_->Act([&] { model_.Click(static_cast<MainCtl>(id)); });
    };
    view_->context_menu = [this](int id, const QPoint&) {
        OnContextMenu(static_cast<MainCtl>(id));
    };
    view_->selected = [this](int id, int start, int length) {
        model_.Select(static_cast<MainCtl>(id), start, length);
    };
    view_->model_focus = [this] {
        const MainCtl id = model_.controls().focus();
        return id == MainCtl::None ? -1 : Id(id);
    };
    view_->render = [this] {
        for (int i = 0; i < kControlCount; ++i)
            RenderControl(static_cast<MainCtl>(i));
        RenderGrid();
        const MainCtl focus = model_.controls().focus();
        view_->ShowFocus(focus == MainCtl::None ? nullptr : control(focus));
    };

    for (int i = 0; i < kControlCount; ++i) {
        const auto id = static_cast<MainCtl>(i);
        const MainControlDesign& d = Design(id);
        QWidget* w = Make(id, d.parent == MainCtl::None ? this : control(d.parent));
        w->setObjectName(ToQString(std::string(d.name)));
        w->setGeometry(twips_.ToPixels(d.left), twips_.ToPixels(d.top), twips_.ToPixels(d.width),
                       twips_.ToPixels(d.height));
        view_->Add(i, w, TakesKeys(d.kind));
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

// One widget of the kind of control `id`.
QWidget* MainWindowView::Make(MainCtl id, QWidget* parent) {
    const MainControlDesign& d = Design(id);
    const QString caption = ToQString(std::string(d.caption));
    switch (d.kind) {
        case Kind::Frame:
            return new FrameBox(caption, parent);
        case Kind::Label:
            return ControlView::MakeLabel(parent, Qt::AlignLeft | Qt::AlignTop);
        case Kind::Status:
            return ControlView::MakeStatusLine(parent);
        case Kind::TextBox:
        case Kind::MaskBox: {
            QLineEdit* edit = ControlView::MakeTextBox(parent);
            edit->setTextMargins(1, 0, 0, 0);
            return edit;
        }
        case Kind::ComboList:
        case Kind::ComboEdit:
            return MakeList(id, parent);
        case Kind::CheckBox:
            return new QCheckBox(caption, parent);
        case Kind::Option: {
            auto* option = new QRadioButton(caption, parent);
            option->setAutoExclusive(false);  // the model keeps each group to one choice
            if (d.parent == MainCtl::fraConvention) option->setFont(ConventionFont());
            return option;
        }
        case Kind::Button: {
            QPushButton* button = ControlView::MakeButton(caption, parent);
            button->setDefault(id == MainCtl::cmdCalculate);
            return button;
        }
        case Kind::Grid:
            return MakeGrid(parent);
    }
    return nullptr;
}

QWidget* MainWindowView::MakeList(MainCtl id, QWidget* parent) {
    auto* box = new ListBox(parent);
    box->setEditable(Design(id).kind == Kind::ComboEdit);
    box->setMaxVisibleItems(8);
    if (box->lineEdit() != nullptr) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
    }
    box->before_popup = [this, id, box] {
        view_->Act([&] { model_.OpenList(id); });
        // The drop-down may be wider than the box, to show the longest entry.
        const int wide = model_.controls()[id].dropped_width;
        box->view()->setMinimumWidth(wide > box->width() ? wide : 0);
    };
    return box;
}

QWidget* MainWindowView::MakeGrid(QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(new GridTable(table));
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideNone);
    table->setCornerButtonEnabled(false);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* rows = table->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setMinimumSectionSize(0);
    return table;
}

void MainWindowView::Connect(MainCtl id, QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, id] { view_->Act([&] { model_.Click(id); }); });
    }
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        // Only a choice from the open drop-down arrives here.
        connect(box, &QComboBox::activated, this,
                [this, id](int index) { view_->Act([&] { model_.ChooseItem(id, index); }); });
    }
    if (auto* table = qobject_cast<QTableView*>(w)) {
        connect(table, &QWidget::customContextMenuRequested, this,
                [this, id] { OnContextMenu(id); });
    }
}

// ------------------------------------------------------------------ what a person does

// F1 opens the help on the control's topic, or on its container's when it has none.
void MainWindowView::OnHelpKey(MainCtl id) {
    int topic = 0;
    for (MainCtl c = id; c != MainCtl::None && topic == 0; c = Design(c).parent)
        topic = Design(c).help_topic;
    commands_.HelpTopic(topic);
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
    if (kind == Kind::Grid) {
        if (e->matches(QKeySequence::Copy)) {
            CopySchedule(false);
            return true;
        }
        if (GridMovesItself(e)) return false;
    }
    if (IsTextEntry(kind) && OnEditingKey(id, e)) return true;
    const bool arrow =
        k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
    if (kind == Kind::Option && arrow && !ctrl && !alt) {
        StepOption(id, k == Qt::Key_Up || k == Qt::Key_Left ? -1 : 1);
        return true;
    }

    view_->Act([&] {
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
        if (k == Qt::Key_Delete || alt) return;  // Delete types no character
        if (k == Qt::Key_Backspace) {
            model_.KeyPress(8);
            return;
        }
        // Every character the key types: Description keeps what is not ASCII.
        for (char32_t ch : e->text().toUcs4()) {
            if (ch != 0) model_.KeyPress(ch);
        }
    });
    return true;
}

// The editing keys of a text field that pass no character the filters would refuse:
// selecting, and cutting, copying and pasting through the clipboard.
bool MainWindowView::OnEditingKey(MainCtl id, QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        CopySelection(id);
        return true;
    }
    if (e->matches(QKeySequence::Cut)) {
        CutSelection(id);
        return true;
    }
    if (e->matches(QKeySequence::Paste)) {
        PasteClipboard();
        return true;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        SelectWholeText(id);
        return true;
    }
    const int k = e->key();
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool moves =
        k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End;
    if (!moves || mods != Qt::ShiftModifier) return false;
    // Shift with a caret key stretches the selection from where it started.
    auto* edit = qobject_cast<QLineEdit*>(control(id));
    if (edit == nullptr) edit = static_cast<QComboBox*>(control(id))->lineEdit();
    const QString text = edit->text();
    const int caret = CharsBefore(text, edit->cursorPosition());
    int anchor = caret;
    if (edit->hasSelectedText()) {
        const int first = CharsBefore(text, edit->selectionStart());
        const int last = CharsBefore(text, edit->selectionEnd());
        anchor = caret == first ? last : first;
    }
    const int length = CharsBefore(text, static_cast<int>(text.size()));
    int to = caret;
    if (k == Qt::Key_Left) to = std::max(0, caret - 1);
    if (k == Qt::Key_Right) to = std::min(length, caret + 1);
    if (k == Qt::Key_Home) to = 0;
    if (k == Qt::Key_End) to = length;
    view_->Act([&] {
        model_.KeyDown(KeyCode(e));
        down_[k] = id;
        model_.Select(id, std::min(anchor, to), std::abs(to - anchor));
        // The widget keeps the caret at the moving end.
        const QSignalBlocker block(edit);
        edit->setSelection(UnitsBefore(text, anchor),
                           UnitsBefore(text, to) - UnitsBefore(text, anchor));
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
    view_->Act([&] { model_.KeyUp(code); });
    return true;
}

// An arrow key in an option group moves to the next usable option of the group and chooses
// it, as a click would.
void MainWindowView::StepOption(MainCtl id, int step) {
    std::vector<MainCtl> group;
    for (int i = 0; i < kControlCount; ++i) {
        const auto other = static_cast<MainCtl>(i);
        if (Design(other).kind == Kind::Option && Design(other).parent == Design(id).parent) {
            group.push_back(other);
        }
    }
    std::sort(group.begin(), group.end(),
              [](MainCtl a, MainCtl b) { return Design(a).tab_index < Design(b).tab_index; });
    const int n = static_cast<int>(group.size());
    const int at = static_cast<int>(std::find(group.begin(), group.end(), id) - group.begin());
    view_->Act([&] {
        for (int k = 1; k < n; ++k) {
            const MainCtl next = group[static_cast<std::size_t>(((at + step * k) % n + n) % n)];
            if (model_.controls().Usable(next)) {
                model_.Click(next);
                return;
            }
        }
    });
}

void MainWindowView::CopySelection(MainCtl id) const {
    const Control& c = model_.controls()[id];
    if (c.sel_length <= 0) return;
    const QString text = ToQString(c.text);
    const int from = UnitsBefore(text, c.sel_start);
    QApplication::clipboard()->setText(
        text.mid(from, UnitsBefore(text, c.sel_start + c.sel_length) - from));
}

void MainWindowView::CutSelection(MainCtl id) {
    view_->Act([&] {
        if (model_.controls().focus() != id) model_.Focus(id);
        CopySelection(id);
        model_.Cut();
    });
}

void MainWindowView::PasteClipboard() {
    view_->Act([&] { model_.Paste(QApplication::clipboard()->text().toStdString()); });
}

void MainWindowView::SelectWholeText(MainCtl id) {
    view_->Act([&] { model_.Select(id, 0, std::numeric_limits<int>::max()); });
}

void MainWindowView::OnContextMenu(MainCtl id) {
    if (Design(id).kind == Kind::Grid) {
        switch (popup_(GridMenuEntries())) {
            case 0:
                CopySchedule(false);
                break;
            case 1:
                CopySchedule(true);
                break;
            default:
                break;
        }
        return;
    }
    if (!IsTextEntry(Design(id).kind)) return;
    // The menu acts on the field it was opened over, which takes the focus first.
    view_->Act([&] {
        if (model_.controls().focus() != id) model_.Focus(id);
    });
    if (model_.controls().focus() != id) return;
    switch (popup_(FieldMenuEntries())) {
        case 0:
            CutSelection(id);
            break;
        case 1:
            CopySelection(id);
            break;
        case 2:
            PasteClipboard();
            break;
        case 3:
            SelectWholeText(id);
            break;
        default:
            break;
    }
}

void MainWindowView::CopySchedule(bool whole) const {
    std::vector<std::pair<int, int>> cells;
    if (!whole) {
        const QTableView* table = grid();
        for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
            cells.emplace_back(index.row(), index.column());
        if (cells.empty() && table->currentIndex().isValid()) {
            cells.emplace_back(table->currentIndex().row(), table->currentIndex().column());
        }
        if (cells.empty()) return;
    }
    QApplication::clipboard()->setText(ToQString(ScheduleText(model_.controls().grid, cells)));
}

// ------------------------------------------------------------------ showing the model

void MainWindowView::Render() {
    view_->Render();
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
        case Kind::MaskBox:
            ControlView::ShowText(static_cast<QLineEdit*>(w), c, model_.controls().focus() == id);
            SetRole(w, QPalette::Text, c.fore, false);
            SetRole(w, QPalette::Base, c.back, true);
            break;
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
    const QColor fore(c.fore.r, c.fore.g, c.fore.b);
    bool same = box->count() == static_cast<int>(c.items.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == ToQString(c.items[i]) &&
               qvariant_cast<QBrush>(box->itemData(i, Qt::ForegroundRole)).color() == fore;
    if (!same) {
        box->clear();
        for (const std::string& item : c.items) {
            box->addItem(ToQString(item));
            box->setItemData(box->count() - 1, QBrush(fore), Qt::ForegroundRole);
        }
    }
    if (box->currentIndex() != c.list_index) box->setCurrentIndex(c.list_index);
    if (QLineEdit* edit = box->lineEdit()) {
        ControlView::ShowText(edit, c, model_.controls().focus() == id);
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
    // An emptied sheet (Clear, Calculate) shows its first group, however far it was scrolled.
    if (g.clears() != grid_clears_) {
        grid_clears_ = g.clears();
        table->horizontalScrollBar()->setValue(0);
    }
}

}  // namespace orvane::qt
