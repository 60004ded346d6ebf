#pragma once
// frmViewDepr, the main window, as Qt widgets over MainWindowModel. The widgets only show the
// model: every click, key and focus change goes to the model, and Render() then copies the
// whole state of the model back into the widgets. The view keeps no state of its own.

#include <QWidget>
#include <array>
#include <map>
#include <memory>

#include "app/model/main_window_model.h"
#include "app/qt/qt_services.h"
#include "app/qt/window_commands.h"

class QComboBox;
class QLineEdit;
class QTableView;

namespace orvane::qt {

class MainWindowView final : public QWidget {
    Q_OBJECT

  public:
    // `services` outlive the window. `popup` answers the Tools and Help menus (a QMenu at the
    // mouse pointer when not given).
    explicit MainWindowView(const Services& services, QtWindowCommands::PopupMenu popup = {},
                            Twips twips = LayoutTwips(), QWidget* parent = nullptr);
    ~MainWindowView() override;

    // The widget that shows a control.
    QWidget* control(MainCtl id) const { return widgets_[static_cast<int>(id)]; }
    QTableView* grid() const;
    const MainWindowModel& model() const { return model_; }
    // Where the vehicle schedules find their yearly limits.
    void set_vehicle_limits(VehicleLimitSource* source) { model_.depr().vehicle_limits = source; }
    // What the Tools menu's entries open the limit editor with.
    void set_limit_editors(LimitEditors* editors) { model_.set_limit_editors(editors); }

    // Copies the model's state into the widgets, with their signals blocked.
    void Render();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build();
    void Place(MainCtl id, QWidget* w);
    void Connect(MainCtl id, QWidget* w);
    MainCtl Find(const QObject* object) const;
    bool OnKeyPress(MainCtl id, QKeyEvent* event);
    bool OnKeyRelease(QKeyEvent* event);
    void OnFocusIn(MainCtl id);
    void OnCursorMoved(MainCtl id, QLineEdit* edit);
    // Runs a person's action on the model, then shows the result.
    template <class F>
    void Act(F&& action);

    void RenderControl(MainCtl id);
    void RenderList(MainCtl id, QComboBox* box);
    void RenderGrid();
    void RenderFocus();

    Twips twips_;
    MainWindowModel model_;
    QtWindowCommands commands_;
    std::array<QWidget*, kControlCount> widgets_{};
    bool rendering_ = false;       // Render() is copying the model into the widgets
    bool busy_ = false;            // the model is running an action (perhaps in a modal loop)
    std::map<int, MainCtl> down_;  // keys held down, with the control they went down in
};

}  // namespace orvane::qt
