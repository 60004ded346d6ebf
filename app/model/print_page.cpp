#include "app/model/print_page.h"

#include <array>
#include <cstdio>

#include "base/numtext.h"

namespace orvane {
namespace {

using C = MainCtl;

// Characters, not bytes, of a UTF-8 text.
int Length(std::string_view text) {
    int n = 0;
    for (char ch : text)
        n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
}

// The first `count` characters of a UTF-8 text.
std::string_view Head(std::string_view text, int count) {
    std::size_t i = 0;
    for (int n = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && n++ == count) break;
    }
    return text.substr(0, i);
}

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

int PrintWidth(const ScheduleGrid& grid) {
    int width = 0;
    for (int col = 1; col <= 8; ++col)
        width += grid.ColWidth(col) + 460;
    return width;
}

std::string DollarText(std::string_view text) {
    return FormatText(text, Pattern::Currency);
}

std::string Field(std::string_view text, int width) {
    std::string_view head = Head(text, width);
    return std::string(static_cast<std::size_t>(width - Length(head)), ' ') + std::string(head);
}

std::vector<PrintItem> PrintGrid(const MainWindowControls& f, DeprState& state, const Date& today,
                                 Printer& printer, ErrorTrap& trap) {
    std::vector<PrintItem> items;
    Pen pen(printer, items);
    pen.font.name = kPrintFontName;
    pen.font.size = 10;
    trap.Run([&] { pen.font.size = printer.DefaultFontSize(); });

    pen.x = 10000;
    pen.y = 500;
    trap.Run([&] { pen.Print(DateText(today)); });

    const double width = PrintWidth(f.grid);
    const double left = (kPrintLine - width) / 2;
    auto centred = [&](std::string_view text) { return left + (width - 145.0 * Length(text)) / 2; };

    pen.y = 1300;
    pen.font.size = 12;
    constexpr std::string_view kTitle = "Depreciation Schedule";
    pen.x = centred(kTitle);
    trap.Run([&] { pen.Print(std::string(kTitle)); });

    const int type = f.SelectedOption(C::optAssetType0, 3);
    const std::string asset_type =
        type < 0 ? std::string()
                 : f[static_cast<C>(static_cast<int>(C::optAssetType0) + type)].caption;
    pen.x = centred(asset_type);
    pen.font.size = 11;
    trap.Run([&] { pen.Print(asset_type); });
    trap.Run([&] { pen.EndLine(); });

    pen.font.size = 10;
    const std::string& description = f[C::txtDescription].text;
    pen.x = (kPrintLine - 123.0 * Length(description)) / 2;
    trap.Run([&] { pen.Print(description); });
    trap.Run([&] { pen.EndLine(); });
    trap.Run([&] { pen.EndLine(); });

    pen.font.size = 8;

    // The asset's particulars.
    pen.x = left + 900;
    trap.Run([&] {
        const double net = CDbl(f[C::txtCost].text) - Val(f[C::lblAllowance].caption);
        pen.PrintOpen("Net Cost: " + Format(net, Pattern::Currency));
    });
    pen.x = left + 3800;
    if (state.method_caption.empty()) state.method_caption = "Method: " + f[C::cboMethod].text;
    trap.Run([&] { pen.PrintOpen(state.method_caption); });
    if (f[C::fraConvention].enabled) {
        pen.x = left + 7700;
        trap.Run([&] {
            const int code = state.convention_code;
            if (code < 0 || code > 2) {
                throw Fault(340, "Control array element '" + CStr(code) + "' doesn't exist");
            }
            const C button = static_cast<C>(static_cast<int>(C::optConvention0) + code);
            pen.Print("Convention: " + f[button].caption);
        });
    } else {
        trap.Run([&] { pen.EndLine(); });
    }

    pen.x = left + 900;
    trap.Run([&] { pen.PrintOpen("In Service Date: " + f[C::txtInService].text); });
    pen.x = left + 3800;
    trap.Run([&] {
        pen.PrintOpen(f[C::cboClass].text.empty() ? "Life: " + f[C::cboLife].text
                                                  : "Class: " + f[C::cboClass].text);
    });
    if (!f[C::txtBusinessPercent].text.empty()) {
        pen.x = left + 7700;
        trap.Run([&] { pen.Print("Business Percent: " + f[C::txtBusinessPercent].text); });
    } else {
        trap.Run([&] { pen.EndLine(); });
    }
    trap.Run([&] { pen.EndLine(); });

    if (!f[C::txtSalesPrice].text.empty()) {
        pen.x = left + 900;
        trap.Run([&] { pen.PrintOpen("Sales Price: " + DollarText(f[C::txtSalesPrice].text)); });
        pen.x = left + 3800;
        trap.Run(
            [&] { pen.PrintOpen("Adjusted Tax Basis: " + DollarText(f[C::txtAdjTaxBasis].text)); });
        pen.x = left + 7700;
        trap.Run([&] { pen.Print("Adjusted Cost: " + DollarText(f[C::lblAdjCost].caption)); });
        trap.Run([&] { pen.EndLine(); });
    }

    if (f[C::mskSold].text != kBlankMonth) {
        pen.x = left + 900;
        trap.Run([&] { pen.Print("Date Sold: " + f[C::mskSold].text); });
        trap.Run([&] { pen.EndLine(); });
    }

    constexpr std::array<std::pair<C, std::string_view>, 3> kAllowances = {{
        {C::chkBonus, "Special 30% Depreciation Allowance. "},
        {C::chkBonus50, "Special 50% Depreciation Allowance. "},
        {C::chkBonus100, "Special 100% Depreciation Allowance. "},
    }};
    for (const auto& allowance : kAllowances) {
        const std::string_view text = allowance.second;
        if (f[allowance.first].value != 1) continue;
        pen.x = left + 900;
        trap.Run([&] { pen.Print(std::string(text) + DollarText(f[C::lblAllowance].caption)); });
        trap.Run([&] { pen.EndLine(); });
    }
    trap.Run([&] { pen.EndLine(); });
    trap.Run([&] { pen.EndLine(); });

    // The table: its heading, then the grid's four column groups one after the other.
    const std::string rule(60, '_');
    pen.x = left + 3000;
    trap.Run([&] { pen.Print(rule); });
    pen.x = left + 3800;
    trap.Run([&] { pen.EndLine(); });
    pen.x = left + 3500;
    trap.Run([&] { pen.Print("YEAR         DEPRECIATION       ADJUSTED TAX BASIS"); });
    pen.x = left + 3000;
    trap.Run([&] { pen.Print(rule); });

    for (int first = 1; first <= 10; first += 3) {
        for (int row = 1; row < ScheduleGrid::kRows; ++row) {
            trap.Run([&] { pen.EndLine(); });
            double x = left + 3800;
            for (int col = first; col < first + 3; ++col) {
                const bool year = col == first;
                pen.x = x - 300;
                trap.Run([&] { pen.PrintOpen(Field(f.grid.Text(row, col), year ? 4 : 13)); });
                x += f.grid.ColWidth(col) + (year ? 700 : 1200);
            }
        }
    }
    return items;
}

}  // namespace orvane
