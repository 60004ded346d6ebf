#include "tests/support/fakes.h"

#include "base/fault.h"

namespace orvane::fakes {

double FakePrinter::LineHeight(const PrintFont& font) {
    if (fail_line_height_with != 0) Raise(fail_line_height_with);
    return font.size * kTwipsPerPoint;
}

void FakePrinter::PrintPage(const std::vector<PrintItem>& items) {
    if (while_printing) while_printing();
    if (fail_page_with != 0) Raise(fail_page_with);
    pages.push_back(items);
}

void FakePrinter::PrintPages(const std::vector<std::vector<PrintItem>>& more) {
    if (while_printing) while_printing();
    if (fail_page_with != 0) Raise(fail_page_with);
    pages.insert(pages.end(), more.begin(), more.end());
}

}  // namespace orvane::fakes
