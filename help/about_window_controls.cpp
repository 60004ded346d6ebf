#include "help/about_window_controls.h"

namespace orvane {
namespace {

constexpr std::array<AboutDesign, kAboutControlCount> kDesign = {{
    {"picIcon", AboutKind::Picture, "", 240, 240, 540, 540, -1},
    {"lblTitle", AboutKind::Label, "Application Title", 1050, 240, 4440, 480, -1},
    {"lblVersion", AboutKind::Label, "Version", 1050, 780, 4440, 225, -1},
    {"lblDisclaimer", AboutKind::Label, kAboutDisclaimer, 255, 1920, 3825, 900, -1},
    {"cmdOK", AboutKind::Button, "OK", 4245, 1920, 1260, 345, 0},
    {"cmdSysInfo", AboutKind::Button, "&System Info...", 4245, 2370, 1260, 345, 1},
}};

}  // namespace

const AboutDesign& Design(AboutCtl id) {
    return kDesign[static_cast<int>(id)];
}

}  // namespace orvane
