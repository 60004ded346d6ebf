#pragma once
// The printed schedule: one page with the print date, the title, the asset type and the
// description, the asset's particulars and the schedule's years, laid out as positioned text
// items for a printer.

#include <string>
#include <string_view>
#include <vector>

#include "app/model/particulars.h"
#include "app/model/schedule_writer.h"
#include "base/error_trap.h"
#include "platform/printer.h"
#include "platform/services.h"

namespace orvane {

// The page width the report is centred on, in twips (8 inches).
inline constexpr int kPrintLine = 11520;

// The width of the printed table: the grid's columns 1 to 8, each 460 twips wider than there.
int PrintWidth();

// `text` right-aligned in a field of `width` characters, cut to its first `width` characters.
std::string Field(std::string_view text, int width);

// Lays out the page of `particulars` and the schedule's `cells` as the grid shows them; line
// heights come from `printer`. A statement that faults is shown by `trap` and left out; the
// page goes on with the next one.
std::vector<PrintItem> PrintGrid(const Particulars& particulars, const GridTexts& cells,
                                 const Date& today, Printer& printer, ErrorTrap& trap);

}  // namespace orvane
