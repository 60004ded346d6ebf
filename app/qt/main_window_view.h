#pragma once
// frmViewDepr, the main window, as Qt widgets over MainWindowModel. The widgets only show the
// model: every click, key and focus change goes to the model, and Render() then copies the
// whole state of the model back into the widgets. The view keeps no state of its own.

#include <QWidget>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/model/main_window_model.h"
#include "app/qt/control_view.h"
#include "app/qt/qt_services.h"
#include "app/qt/window_commands.h"

class QComboBox;
class QLineEdit;
class QTableView;

namespace orvane::qt {

class ControlView;

class MainWindowView final : public QWidget {
    Q_OBJECT

  public:
    // `services` outlive the window. `popup` answers the Tools and Help menus and the context
    // menus of the fields and the grid (a QMenu at the mouse pointer when not given).
    explicit MainWindowView(const Services& services, QtWindowCommands::PopupMenu popup = {},
                            Twips twips = LayoutTwips(), QWidget* parent = nullptr);
    ~MainWindowView() override;

    // The widget that shows a control.
    QWidget* control(MainCtl id) const;
    QTableView* grid() const;
    const MainWindowModel& model() const { return model_; }
    // The Tools and Help menus and F1.
    QtWindowCommands& commands() { return commands_; }
    // Where the vehicle schedules find their yearly limits.
    void set_vehicle_limits(VehicleLimitSource* source) { model_.depr().vehicle_limits = source; }
    // What the Tools menu's entries open the limit editor with.
    void set_limit_editors(LimitEditors* editors) { model_.set_limit_editors(editors); }

    // Copies the model's state into the widgets, with their signals blocked.
    void Render();

    // The entries of the context menus.
    static const std::vector<std::string>& FieldMenuEntries();
    static const std::vector<std::string>& GridMenuEntries();

  private:
    void Build();
    QWidget* Make(MainCtl id, QWidget* parent);
    QWidget* MakeList(MainCtl id, QWidget* parent);
    QWidget* MakeGrid(QWidget* parent);
    void Connect(MainCtl id, QWidget* w);

    bool OnKeyPress(MainCtl id, QKeyEvent* event);
    bool OnKeyRelease(QKeyEvent* event);
    bool OnEditingKey(MainCtl id, QKeyEvent* event);
    void OnContextMenu(MainCtl id);
    void StepOption(MainCtl id, int step);
    void CutSelection(MainCtl id);
    void CopySelection(MainCtl id) const;
    void PasteClipboard();
    void SelectWholeText(MainCtl id);
    // Copies the selected cells of the grid, or the whole schedule, to the clipboard.
    void CopySchedule(bool whole) const;
    void OnHelpKey(MainCtl id);

    void RenderControl(MainCtl id);
    void RenderList(MainCtl id, QComboBox* box);
    void RenderGrid();

    Twips twips_;
    RenderFirstBoxes boxes_;
    MainWindowModel model_;
    QtWindowCommands::PopupMenu popup_;
    QtWindowCommands commands_;
    ControlView* view_;
    std::map<int, MainCtl> down_;  // keys held down, with the control they went down in
    int grid_clears_ = -1;         // the sheet's clears when it was last shown
};

// The schedule as tab-separated text, one line per year in year order (the header line first
// when a header cell is among them): the cells `cells` (row, column) or, when empty, all.
std::string ScheduleText(const ScheduleGrid& grid, const std::vector<std::pair<int, int>>& cells);

}  // namespace orvane::qt
