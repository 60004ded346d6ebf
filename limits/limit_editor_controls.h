#pragma once
// The controls of the limit editor frmAutoMax as plain state, in the same terms as the main
// window's controls: texts, captions, colours, weight, focus and selection.

#include <array>
#include <cstdint>
#include <string_view>

#include "controls/controls.h"

namespace orvane {

// Every control of frmAutoMax.
enum class EditorCtl : std::uint8_t {
    lblYear,
    txtYear,
    lblYear0,
    txtYear0,
    lblYear5,
    txtYear5,
    lblYear1,
    txtYear1,
    lblYear2,
    txtYear2,
    lblYear3,
    txtYear3,
    lblYear4,
    txtYear4,
    cmdNext,
    cmdPrevious,
    cmdDelete,
    cmdAdd,
    cmdSave,
    cmdClose,
    stbAuto,
    kCount,
    None = kCount,
};
inline constexpr int kEditorControlCount = static_cast<int>(EditorCtl::kCount);

// Fixed design of one control: place and size in twips within the client area, tab order (-1:
// no tab stop), length limit in characters (0: none) and whether the text is right-aligned.
struct EditorControlDesign {
    std::string_view name;
    Kind kind;
    std::string_view caption;
    int left, top, width, height;
    int tab_index;
    int max_length;
    bool align_right;
};
const EditorControlDesign& Design(EditorCtl id);
// Looks a control up by its name ("txtYear3"); EditorCtl::None when unknown.
EditorCtl FindEditorControl(std::string_view name);

inline constexpr int kAutoMaxClientWidth = 4680;
inline constexpr int kAutoMaxClientHeight = 3375;
inline constexpr std::string_view kAutoMaxCaption = "Automobile  Maximun Amounts";
inline constexpr std::string_view kCleanFuelCaption = "Clean Fuel Auto Max Amount";

// The seven boxes of a record in the order of the record's fields: year, then the six amounts
// as the file stores them (the 50% amount last).
inline constexpr std::array<EditorCtl, 7> kRecordBoxes = {
    EditorCtl::txtYear,  EditorCtl::txtYear0, EditorCtl::txtYear1, EditorCtl::txtYear2,
    EditorCtl::txtYear3, EditorCtl::txtYear4, EditorCtl::txtYear5};
// The label beside each of kRecordBoxes.
inline constexpr std::array<EditorCtl, 7> kRecordLabels = {
    EditorCtl::lblYear,  EditorCtl::lblYear0, EditorCtl::lblYear1, EditorCtl::lblYear2,
    EditorCtl::lblYear3, EditorCtl::lblYear4, EditorCtl::lblYear5};

struct LimitEditorControls {
    LimitEditorControls();

    Control& operator[](EditorCtl id) { return controls[static_cast<int>(id)]; }
    const Control& operator[](EditorCtl id) const { return controls[static_cast<int>(id)]; }

    // A text box shows its text up to the first NUL character, as the edit control does.
    void SetBoxText(EditorCtl id, std::string_view text);

    std::array<Control, kEditorControlCount> controls;
    std::string caption{kAutoMaxCaption};
    int left = 0, top = 0;  // twips on the screen
    // The window's size for centring it; a view with borders and a title bar sets its outer size.
    int width = kAutoMaxClientWidth, height = kAutoMaxClientHeight;
    EditorCtl focus = EditorCtl::None;
    EditorCtl cancel_button = EditorCtl::cmdClose;  // Esc presses it; there is no default button
};

}  // namespace orvane
