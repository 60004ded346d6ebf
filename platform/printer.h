#pragma once
// The printer as the printed schedule and report see it: the height of a line in a font, as the
// device reports it, and pages of positioned text. Positions are in twips (1/1440 inch) from the
// page's origin; an item's y is the top of its line.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The fixed-pitch font of the printed pages (the printer finds its nearest match).
inline constexpr std::string_view kPrintFontName = "Courier new";

struct PrintFont {
    std::string name;
    double size = 0;  // points
    bool bold = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

struct PrintItem {
    PrintFont font;
    double x = 0;
    double y = 0;
    std::string text;  // UTF-8
    friend bool operator==(const PrintItem&, const PrintItem&) = default;
};

// A printer fails by raising a Fault (platform/fault.h) with one of the program's own fault
// numbers (base/fault_numbers.h) and that number's description: 482 "Printer error" for a job
// the printer refused or could not take, 484 when there is no printer to print on, 75
// "Path/File access error" for a PDF file that cannot be written. The caller's error trap shows
// it.
class Printer {
  public:
    virtual ~Printer() = default;
    // The font size a page starts with, in points.
    virtual double DefaultFontSize() = 0;
    // The distance, in twips, from one line of `font` to the next.
    virtual double LineHeight(const PrintFont& font) = 0;
    // Prints `items` on one page and ends the document.
    virtual void PrintPage(const std::vector<PrintItem>& items) = 0;
    // Prints `pages` one after the other as one document and ends it; no pages print nothing.
    virtual void PrintPages(const std::vector<std::vector<PrintItem>>& pages) = 0;
};

}  // namespace orvane
