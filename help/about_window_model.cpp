#include "help/about_window_model.h"

#include "orvane_version.h"
#include "platform/services.h"

namespace orvane {

ProgramVersion BuildVersion() {
    return {kVersionMajor, kVersionMinor, kVersionPatch};
}

std::string VersionText(const ProgramVersion& v) {
    return "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.revision);
}

void AboutWindowModel::Form_Load() {
    for (int i = 0; i < kAboutControlCount; ++i) {
        const auto id = static_cast<AboutCtl>(i);
        controls_[id] = std::string(Design(id).caption);
    }
    controls_.caption = "About " + std::string(kAppTitle);
    controls_[AboutCtl::lblVersion] = VersionText(version_);
    controls_[AboutCtl::lblTitle] = std::string(kAppTitle);
    controls_.loaded = true;
}

void AboutWindowModel::cmdOK_Click() {
    controls_.loaded = false;
}

void AboutWindowModel::cmdSysInfo_Click() {
    StartSysInfo(services_);
}

}  // namespace orvane
