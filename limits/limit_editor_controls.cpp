#include "limits/limit_editor_controls.h"

namespace orvane {
namespace {

using K = Kind;

// Text boxes 1215 x 285 at left 1440, labels 255 high, buttons 975 x 285 at left 3240.
constexpr std::array<EditorControlDesign, kEditorControlCount> kDesign = {{
    {"lblYear", K::Label, "Year:", 960, 280, 375, 255, -1, 0, false},
    {"txtYear", K::TextBox, "", 1440, 240, 1215, 285, 0, 4, true},
    {"lblYear0", K::Label, " 1st Yr + 30%:", 260, 645, 1095, 255, -1, 0, false},
    {"txtYear0", K::TextBox, "", 1440, 600, 1215, 285, 1, 7, true},
    {"lblYear5", K::Label, "1st Yr + 50%:", 315, 1000, 1095, 255, -1, 0, false},
    {"txtYear5", K::TextBox, "", 1440, 960, 1215, 285, 19, 0, true},
    {"lblYear1", K::Label, " 1st Year Max:", 240, 1350, 1095, 255, -1, 0, false},
    {"txtYear1", K::TextBox, "", 1440, 1320, 1215, 285, 2, 7, true},
    {"lblYear2", K::Label, "2nd Year Max:", 315, 1720, 1095, 255, -1, 0, false},
    {"txtYear2", K::TextBox, "", 1440, 1680, 1215, 285, 3, 7, true},
    {"lblYear3", K::Label, "3th Year Max:", 315, 2080, 1095, 255, -1, 0, false},
    {"txtYear3", K::TextBox, "", 1440, 2040, 1215, 285, 4, 7, true},
    {"lblYear4", K::Label, "4th Year Max:", 315, 2440, 990, 255, -1, 0, false},
    {"txtYear4", K::TextBox, "", 1440, 2400, 1215, 285, 5, 0, true},
    {"cmdNext", K::Button, "&Next", 3240, 480, 975, 285, 6, 0, false},
    {"cmdPrevious", K::Button, "&Previous", 3240, 840, 975, 285, 7, 0, false},
    {"cmdDelete", K::Button, "&Delete", 3240, 1200, 975, 285, 8, 0, false},
    {"cmdAdd", K::Button, "&Add", 3240, 1560, 975, 285, 9, 0, false},
    {"cmdSave", K::Button, "&Save", 3240, 1920, 975, 285, 10, 0, false},
    {"cmdClose", K::Button, "&Close", 3240, 2280, 975, 285, 11, 0, false},
    {"stbAuto", K::Status, "", 45, 3000, 4575, 255, -1, 0, false},
}};

}  // namespace

const EditorControlDesign& Design(EditorCtl id) {
    return kDesign[static_cast<int>(id)];
}

EditorCtl FindEditorControl(std::string_view name) {
    for (int i = 0; i < kEditorControlCount; ++i) {
        if (kDesign[i].name == name) return static_cast<EditorCtl>(i);
    }
    return EditorCtl::None;
}

LimitEditorControls::LimitEditorControls() {
    for (int i = 0; i < kEditorControlCount; ++i) {
        const EditorControlDesign& d = kDesign[i];
        Control& c = controls[i];
        c.caption = std::string(d.caption);
        c.fore = kBlack;
        if (d.kind != K::TextBox) c.back = kButtonFace;
    }
}

void LimitEditorControls::SetBoxText(EditorCtl id, std::string_view text) {
    (*this)[id].text = std::string(text.substr(0, text.find('\0')));
    (*this)[id].sel_start = 0;
    (*this)[id].sel_length = 0;
}

}  // namespace orvane
