#include "app/model/print_page.h"

#include <array>
#include <cstdio>

#include "app/model/grid.h"
#include "base/numtext.h"
#include "base/utf8.h"

namespace orvane {
namespace {

// The printer's pen: the current position and font. Each printed text ends its line (down one
// line of the current font, back to the left edge) unless the line is kept open.
class Pen {
  public:
    Pen(Printer& printer, std::vector<PrintItem>& items) : printer_(printer), items_(items) {}

    double x = 0;
    double y = 0;
    PrintFont font;

    void Print(std::string text) {
        const double height = printer_.LineHeight(font);
        items_.push_back({font, x, y, std::move(text)});
        x = 0;
        y += height;
    }
    void PrintOpen(std::string text) { items_.push_back({font, x, y, std::move(text)}); }
    void EndLine() {
        y += printer_.LineHeight(font);
        x = 0;
    }

  private:
    Printer& printer_;
    std::vector<PrintItem>& items_;
};

std::string DateText(const Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month, d.day, d.year);
    return buf;
}

}  // namespace

int PrintWidth() {
    int width = 0;
    for (int col = 1; col <= 8; ++col)
        width += (col % 3 == 1 ? kYearColumnWidth : kAmountColumnWidth) + 460;
    return width;
}

std::string Field(std::string_view text, int width) {
    std::string_view head = utf8::Head(text, width);
    return std::string(static_cast<std::size_t>(width - utf8::Count(head)), ' ') +
           std::string(head);
}

namespace {

// The particulars under the title: net cost, method and convention; in-service date, class or
// life and business use; the exchange; the date sold; the allowances.
void PrintParticulars(const Particulars& p, double left, Pen& pen, ErrorTrap& trap) {
    pen.font.size = 8;
    pen.x = left + 900;
    trap.Run([&] { pen.PrintOpen(NetCostLine(p)); });
    pen.x = left + 3800;
    trap.Run([&] { pen.PrintOpen(p.method_caption); });
    if (p.conventions) {
        pen.x = left + 7700;
        trap.Run([&] { pen.Print(ConventionLine(p)); });
    } else {
        trap.Run([&] { pen.EndLine(); });
    }

    pen.x = left + 900;
    trap.Run([&] { pen.PrintOpen("In Service Date: " + p.in_service); });
    pen.x = left + 3800;
    trap.Run([&] { pen.PrintOpen(ClassOrLifeLine(p)); });
    if (!p.business_percent.empty()) {
        pen.x = left + 7700;
        trap.Run([&] { pen.Print(BusinessLine(p)); });
    } else {
        trap.Run([&] { pen.EndLine(); });
    }
    trap.Run([&] { pen.EndLine(); });

    if (!p.sales_price.empty()) {
        pen.x = left + 900;
        trap.Run([&] { pen.PrintOpen("Sales Price: " + DollarText(p.sales_price)); });
        pen.x = left + 3800;
        trap.Run([&] { pen.PrintOpen("Adjusted Tax Basis: " + DollarText(p.adj_tax_basis)); });
        pen.x = left + 7700;
        trap.Run([&] { pen.Print("Adjusted Cost: " + DollarText(p.adjusted_cost)); });
        trap.Run([&] { pen.EndLine(); });
    }
    if (p.date_sold != kBlankMonth) {
        pen.x = left + 900;
        trap.Run([&] { pen.Print(SoldLine(p)); });
        trap.Run([&] { pen.EndLine(); });
    }
    for (int box = 0; box < 3; ++box) {
        if (!p.allowance_boxes[static_cast<std::size_t>(box)]) continue;
        pen.x = left + 900;
        trap.Run([&] { pen.Print(AllowanceLine(p, box)); });
        trap.Run([&] { pen.EndLine(); });
    }
    trap.Run([&] { pen.EndLine(); });
    trap.Run([&] { pen.EndLine(); });
}

// The table: its heading, then the grid's four column groups one after the other.
void PrintTable(const GridTexts& cells, double left, Pen& pen, ErrorTrap& trap) {
    const std::string rule(60, '_');
    pen.x = left + 3000;
    trap.Run([&] { pen.Print(rule); });
    pen.x = left + 3800;
    trap.Run([&] { pen.EndLine(); });
    pen.x = left + 3500;
    trap.Run([&] { pen.Print("YEAR         DEPRECIATION       ADJUSTED TAX BASIS"); });
    pen.x = left + 3000;
    trap.Run([&] { pen.Print(rule); });

    for (const std::array<std::string, 3>& line : cells) {
        trap.Run([&] { pen.EndLine(); });
        double x = left + 3800;
        for (int col = 0; col < 3; ++col) {
            const bool year = col == 0;
            pen.x = x - 300;
            trap.Run(
                [&] { pen.PrintOpen(Field(line[static_cast<std::size_t>(col)], year ? 4 : 13)); });
            x += year ? kYearColumnWidth + 700 : kAmountColumnWidth + 1200;
        }
    }
}

}  // namespace

std::vector<PrintItem> PrintGrid(const Particulars& p, const GridTexts& cells, const Date& today,
                                 Printer& printer, ErrorTrap& trap) {
    std::vector<PrintItem> items;
    Pen pen(printer, items);
    pen.font.name = kPrintFontName;
    pen.font.size = 10;
    trap.Run([&] { pen.font.size = printer.DefaultFontSize(); });

    pen.x = 10000;
    pen.y = 500;
    trap.Run([&] { pen.Print(DateText(today)); });

    const double width = PrintWidth();
    const double left = (kPrintLine - width) / 2;
    auto centred = [&](std::string_view text) {
        return left + (width - 145.0 * utf8::Count(text)) / 2;
    };

    pen.y = 1300;
    pen.font.size = 12;
    constexpr std::string_view kTitle = "Depreciation Schedule";
    pen.x = centred(kTitle);
    trap.Run([&] { pen.Print(std::string(kTitle)); });

    pen.x = centred(p.asset_type);
    pen.font.size = 11;
    trap.Run([&] { pen.Print(p.asset_type); });
    trap.Run([&] { pen.EndLine(); });

    pen.font.size = 10;
    pen.x = (kPrintLine - 123.0 * utf8::Count(p.description)) / 2;
    trap.Run([&] { pen.Print(p.description); });
    trap.Run([&] { pen.EndLine(); });
    trap.Run([&] { pen.EndLine(); });

    PrintParticulars(p, left, pen, trap);
    PrintTable(cells, left, pen, trap);
    return items;
}

}  // namespace orvane
