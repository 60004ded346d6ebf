#pragma once
// The controls of the About window frmAbout as plain state, with their fixed design.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

enum class AboutCtl : std::uint8_t {
    picIcon,
    lblTitle,
    lblVersion,
    lblDisclaimer,
    cmdOK,
    cmdSysInfo,
    kCount,
};
inline constexpr int kAboutControlCount = static_cast<int>(AboutCtl::kCount);

enum class AboutKind : std::uint8_t { Picture, Label, Button };

// Name, kind, caption at design time, place and size in twips, tab order (-1: none).
struct AboutDesign {
    std::string_view name;
    AboutKind kind;
    std::string_view caption;
    int left, top, width, height;
    int tab_index;
};
const AboutDesign& Design(AboutCtl id);

// The window's client area in twips.
inline constexpr int kAboutWidth = 5730;
inline constexpr int kAboutHeight = 3000;

inline constexpr std::string_view kAboutDisclaimer =
    "Warning: this program is protected by copyright law. Unauthorised copying or "
    "distribution of this program, or of any part of it, may result in civil and criminal "
    "penalties.";

struct AboutWindowControls {
    std::string caption;  // the window's caption
    std::array<std::string, kAboutControlCount> captions{};
    bool loaded = false;  // between Form_Load and the unload

    std::string& operator[](AboutCtl id) { return captions[static_cast<int>(id)]; }
    const std::string& operator[](AboutCtl id) const { return captions[static_cast<int>(id)]; }
};

}  // namespace orvane
