#pragma once
// The printed schedule: one page with the print date, the title, the asset type and the
// description, the asset's particulars and the schedule read back from the grid, laid out as
// positioned text items for a printer.

#include <string>
#include <string_view>
#include <vector>

#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "base/error_trap.h"
#include "platform/printer.h"
#include "platform/services.h"

namespace orvane {

inline constexpr std::string_view kPrintFontName = "Courier new";

// The page width the report is centred on, in twips (8 inches).
inline constexpr int kPrintLine = 11520;

// The width of the printed table: grid columns 1 to 8, each with 460 twips more than in the grid.
int PrintWidth(const ScheduleGrid& grid);

// "$###,###,###,###.00" for a text: a number is formatted ($.50, $1,234.00), any other text is
// returned as it is ("" stays "").
std::string DollarText(std::string_view text);

// `text` right-aligned in a field of `width` characters, cut to its first `width` characters.
std::string Field(std::string_view text, int width);

// Lays out the page: reads the window's controls and grid, `convention_code` and
// `method_caption`, which becomes "Method: " and the method's name when it is empty; line
// heights come from `printer`. A statement that faults is shown by `trap` and left out; the
// page goes on with the next one.
std::vector<PrintItem> PrintGrid(const MainWindowControls& controls, DeprState& state,
                                 const Date& today, Printer& printer, ErrorTrap& trap);

}  // namespace orvane
