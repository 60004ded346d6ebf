#include "app/qt/program.h"

#include <QScreen>
#include <QStyleFactory>
#include <algorithm>

#include "app/qt/about_window_view.h"
#include "limits/data_folder.h"
#include "limits/vehicle_limit_files.h"

namespace orvane::qt {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void UseProgramStyle() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
}

Program::Program()
    : twips_(LayoutTwips()),
      services_(twips_),
      editors_([this] { return limits_.folder(); }, services_.messages, services_.beeper, twips_) {
    window_ = std::make_unique<MainWindowView>(services_.services(), QtWindowCommands::PopupMenu(),
                                               twips_);
    services_.messages.set_parent(window_.get());
    services_.file_dialog.set_parent(window_.get());
    editors_.set_parent(window_.get());
    window_->set_vehicle_limits(&limits_);
    window_->set_limit_editors(&editors_);
    window_->setWindowIcon(ProgramIcon());
    help_viewer_ = std::make_unique<QtHelpViewer>(window_.get());
    help_ = std::make_unique<orvane::Help>(services_.messages, *help_viewer_);
    help_->help_file = HelpFileFor(ProgramFolder()).string();
    window_->commands().set_help(help_.get());
    window_->commands().set_about([this] { ShowAboutWindow(window_.get(), services_.messages); });
}

RegisterWindowView& Program::ShowRegister(const QString& file) {
    if (!register_) {
        std::vector<std::string> problems;
        register_limits_ = reg::LoadVehicleLimits(limits_.folder(), problems);
        Services services = services_.services();
        services.messages = &register_boxes_;
        services.file_dialog = &register_files_;
        register_ = std::make_unique<RegisterWindowView>(services, register_limits_,
                                                         services_.clock.Today().year);
        register_boxes_.set_parent(register_.get());
        register_files_.set_parent(register_.get());
        register_->setWindowIcon(ProgramIcon());
        register_->open_calculator = [this] {
            if (!window_->isVisible()) {
                // Beside the register window, kept on its screen.
                const QRect r = register_->frameGeometry();
                const QRect screen = register_->screen()->availableGeometry();
                window_->move(std::max(screen.left(),
                                       std::min(r.right() + 8, screen.right() - window_->width())),
                              r.top());
            }
            window_->show();
            window_->raise();
            window_->activateWindow();
        };
    }
    if (!file.isEmpty()) register_->OpenFile(file);
    register_->show();
    return *register_;
}

Program::~Program() {
    register_.reset();
    // The help window goes with the main window it belongs to.
    help_.reset();
    help_viewer_.reset();
    window_.reset();
}

LimitFilesOnDemand::~LimitFilesOnDemand() = default;

const std::filesystem::path& LimitFilesOnDemand::folder() {
    if (!folder_) folder_ = LimitsFolder(ProgramFolder(), ProcessEnvironment());
    return *folder_;
}

std::optional<VehicleLimits> LimitFilesOnDemand::Lookup(Vehicle kind, int year) {
    if (!files_) files_ = std::make_unique<VehicleLimitFiles>(folder(), boxes_);
    return files_->Lookup(kind, year);
}

}  // namespace orvane::qt
