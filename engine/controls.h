#pragma once
// What every window's controls are made of, whatever the window: colours, the kinds of control
// and one control's state (text, lists, values, enabled, colours, selection).

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::string Hex() const;
};

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kEntryGrey{224, 224, 224};
inline constexpr Rgb kWindowText{0, 0, 0};  // the system's window-text colour
inline constexpr Rgb kButtonFace{240, 240, 240};

enum class Kind : std::uint8_t {
    Frame,
    Label,
    TextBox,
    MaskBox,    // masked month "##/####"
    ComboList,  // drop-down list, no typing
    ComboEdit,  // drop-down combo, typing allowed
    CheckBox,
    Option,
    Button,
    Grid,
    Status,
};

struct Control {
    std::string caption;
    std::string text;
    bool enabled = true;
    Rgb fore = kWindowText;
    Rgb back = kWhite;
    bool bold = false;
    int sel_start = 0;
    int sel_length = 0;
    int value = 0;  // check box 0/1, option button 0/1
    std::vector<std::string> items;
    std::vector<std::int32_t> item_data;
    int list_index = -1;
    int dropped_width = 0;  // pixels; 0 = as wide as the box
    std::string tool_tip;
};

}  // namespace orvane
