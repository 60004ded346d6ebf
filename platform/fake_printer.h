#pragma once
// A printer for tests and the command-line tool: it keeps the pages it is given, reports fixed
// line heights (25 twips a point: 200 at 8 point, 300 at 12) and fails when told to.

#include <functional>
#include <vector>

#include "engine/fault.h"
#include "platform/printer.h"

namespace orvane {

class FakePrinter final : public Printer {
  public:
    static constexpr double kTwipsPerPoint = 25;

    std::vector<std::vector<PrintItem>> pages;
    double default_size = 10;
    int fail_page_with = 0;         // a fault number PrintPage raises; 0: it prints
    int fail_line_height_with = 0;  // a fault number LineHeight raises; 0: it answers
    int line_height_asks = 0;
    std::function<void()> while_printing;  // runs inside PrintPage, before it fails or keeps

    double DefaultFontSize() override { return default_size; }
    double LineHeight(const PrintFont& font) override {
        ++line_height_asks;
        if (fail_line_height_with != 0) Raise(fail_line_height_with);
        return font.size * kTwipsPerPoint;
    }
    void PrintPage(const std::vector<PrintItem>& items) override {
        if (while_printing) while_printing();
        if (fail_page_with != 0) Raise(fail_page_with);
        pages.push_back(items);
    }
};

}  // namespace orvane
