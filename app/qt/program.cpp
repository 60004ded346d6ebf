#include "app/qt/program.h"

#include <QStyleFactory>

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
}

}  // namespace orvane::qt
