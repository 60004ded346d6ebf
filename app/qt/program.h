#pragma once
// The program as orvane starts it: the Qt services and the main window over them.

#include <QApplication>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/qt/help_window.h"
#include "app/qt/limit_editor_view.h"
#include "app/qt/main_window_view.h"
#include "app/qt/qt_services.h"
#include "app/qt/register_window_view.h"
#include "register/vehicle_limits.h"

namespace orvane::qt {

// True when Qt has somewhere to show a window: an X11 or Wayland display, or a platform chosen
// through QT_QPA_PLATFORM.
bool HasDisplay();
inline constexpr const char* kNoDisplayMessage =
    "orvane: no display to show the window on; use the command-line tool instead (orvane-cli "
    "--help), or start the window off screen with QT_QPA_PLATFORM=offscreen orvane";

// The widget style of the program, the same on every desktop.
void UseProgramStyle();

// The limit files beside the program (or in the user's data folder), found when a vehicle
// schedule first asks for a year's limits or the limit editor first opens.
class LimitFilesOnDemand final : public VehicleLimitSource {
  public:
    explicit LimitFilesOnDemand(MessageBoxes& boxes) : boxes_(boxes) {}
    ~LimitFilesOnDemand() override;
    std::optional<VehicleLimits> Lookup(Vehicle kind, int year) override;
    const std::filesystem::path& folder();

  private:
    MessageBoxes& boxes_;
    std::optional<std::filesystem::path> folder_;
    std::unique_ptr<VehicleLimitSource> files_;
};

class Program {
  public:
    Program();  // after the QApplication
    ~Program();
    MainWindowView& window() { return *window_; }
    orvane::Help& help() { return *help_; }
    QtHelpViewer& help_viewer() { return *help_viewer_; }
    // The register window, with `file` opened when one is given; "Open Calculator" shows the
    // main window beside it.
    RegisterWindowView& ShowRegister(const QString& file);

  private:
    Twips twips_;
    QtServices services_;
    LimitFilesOnDemand limits_{services_.messages};
    QtLimitEditors editors_;
    std::unique_ptr<MainWindowView> window_;
    std::unique_ptr<QtHelpViewer> help_viewer_;
    std::unique_ptr<orvane::Help> help_;
    QtMessageBoxes register_boxes_;
    QtFileDialog register_files_;
    reg::VehicleLimitTable register_limits_;
    std::unique_ptr<RegisterWindowView> register_;
};

}  // namespace orvane::qt
