#pragma once
// frmAbout as a toolkit-free model: the program's title and version, a legal notice, OK and the
// System Info button. The Qt view shows its controls and forwards the clicks.

#include <string>

#include "help/about_window_controls.h"
#include "help/sys_info.h"

namespace orvane {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
// The version of this build (the project's version).
ProgramVersion BuildVersion();
// "Version 1.2.3": the three numbers as plain decimals, joined by points.
std::string VersionText(const ProgramVersion& v);

class AboutWindowModel {
  public:
    AboutWindowModel(SysInfoServices services, ProgramVersion version = BuildVersion())
        : services_(std::move(services)), version_(version) {}

    const AboutWindowControls& controls() const { return controls_; }

    void Form_Load();
    void cmdOK_Click();  // unloads the window
    void cmdSysInfo_Click();

  private:
    SysInfoServices services_;
    ProgramVersion version_;
    AboutWindowControls controls_;
};

}  // namespace orvane
