#include "app/qt/program.h"

#include <QStyleFactory>

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

Program::Program() : twips_(LayoutTwips()), services_(twips_) {
    window_ =
        std::make_unique<frmViewDepr>(services_.services(), QtWindowCommands::PopupMenu(), twips_);
    services_.messages.set_parent(window_.get());
    window_->set_vehicle_limits(&limits_);
}

LimitFilesOnDemand::~LimitFilesOnDemand() = default;

std::optional<VehicleLimits> LimitFilesOnDemand::Lookup(char kind, std::string_view year) {
    if (!files_) {
        files_ = std::make_unique<VehicleLimitFiles>(
            LimitsFolder(ProgramFolder(), ProcessEnvironment()), boxes_);
    }
    return files_->Lookup(kind, year);
}

}  // namespace orvane::qt
