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

bool IsEntry(Kind k) {
    return k == Kind::TextBox || k == Kind::MaskBox || k == Kind::ComboList || k == Kind::ComboEdit;
}

bool TakesKeys(Kind k) {
    return IsEntry(k) || k == Kind::CheckBox || k == Kind::Option || k == Kind::Button ||
           k == Kind::Grid;
}

int Id(MainCtl id) {
    return static_cast<int>(id);
}

}  // namespace

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

}  // namespace orvane::qt
