#include "report/report_pages.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/utf8.h"
#include "register/cells.h"

namespace orvane::report {
namespace {

constexpr double kRight = kPageWidth - kMargin;
constexpr double kBottom = kPageHeight - kMargin;
constexpr int kGap = 2;           // characters between two columns
constexpr int kMinFlexible = 24;  // characters a description keeps before the font shrinks
constexpr double kTableSize = 8, kSmallestSize = 6, kHeaderSize = 9;

PrintFont Font(double size, bool bold = false) {
    return {std::string(kPrintFontName), size, bold};
}

struct Column {
    std::string_view title;
    bool right = true;      // amounts: right-aligned
    bool flexible = false;  // takes the room the others leave, its texts cut to it
};

struct Table {
    std::string heading;
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;
};

// A table's font size and its columns' widths in characters.
struct Fit {
    double size = kTableSize;
    std::vector<int> widths;
};

Fit FitColumns(const Table& t) {
    Fit fit;
    fit.widths.resize(t.columns.size());
    int fixed = kGap * static_cast<int>(t.columns.size() - 1);
    std::optional<std::size_t> flexible;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        int width = utf8::Count(t.columns[c].title);
        for (const std::vector<std::string>& row : t.rows)
            width = std::max(width, utf8::Count(row[c]));
        fit.widths[c] = width;
        if (t.columns[c].flexible) {
            flexible = c;
        } else {
            fixed += width;
        }
    }
    const int natural = flexible ? fit.widths[*flexible] : 0;
    for (;; fit.size -= 0.5) {
        const int room = static_cast<int>((kRight - kMargin) / CharWidth(fit.size));
        if (fixed + std::min(natural, kMinFlexible) <= room || fit.size <= kSmallestSize) {
            if (flexible) fit.widths[*flexible] = std::clamp(room - fixed, 0, natural);
            return fit;
        }
    }
}

// The pages' bodies as they fill, below the room the page header takes.
class Pages {
  public:
    Pages(Printer& printer, double top) : printer_(printer), top_(top) {}

    std::vector<std::vector<PrintItem>> pages;

    bool AtTop() const { return pages.empty() || y_ == top_; }
    // Room for `height` more on this page, or a new page; true for a new page.
    bool Room(double height) {
        if (!pages.empty() && y_ + height <= kBottom) return false;
        pages.emplace_back();
        y_ = top_;
        return true;
    }
    void Text(const PrintFont& font, double x, std::string text) {
        pages.back().push_back({font, x, y_, std::move(text)});
    }
    void Down(const PrintFont& font) { y_ += printer_.LineHeight(font); }

  private:
    Printer& printer_;
    double top_;
    double y_ = 0;
};

// One line of a table: each cell in its column, amounts right-aligned.
void PrintRow(const Table& t, const Fit& fit, const std::vector<std::string>& cells,
              const PrintFont& font, Pages& pages) {
    const double cw = CharWidth(fit.size);
    double x = kMargin;
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        const int width = fit.widths[c];
        std::string text(utf8::Head(cells[c], width));
        if (!text.empty()) {
            const double shift = t.columns[c].right ? cw * (width - utf8::Count(text)) : 0;
            pages.Text(font, x + shift, std::move(text));
        }
        x += cw * (width + kGap);
    }
}

std::vector<std::string> Titles(const Table& t) {
    std::vector<std::string> titles;
    for (const Column& c : t.columns)
        titles.emplace_back(c.title);
    return titles;
}

// The table under its heading, the heading and the column titles again at the top of every page
// it goes on to.
void PrintTable(const Table& t, Pages& pages, Printer& printer) {
    const Fit fit = FitColumns(t);
    const PrintFont heading = Font(10, true), titles = Font(fit.size, true), body = Font(fit.size);
    const double line = printer.LineHeight(body);
    if (!pages.AtTop()) pages.Down(body);
    pages.Room(printer.LineHeight(heading) + printer.LineHeight(titles) + line);
    const std::vector<std::string> names = Titles(t);
    const auto top = [&](std::string text) {
        pages.Text(heading, kMargin, std::move(text));
        pages.Down(heading);
        PrintRow(t, fit, names, titles, pages);
        pages.Down(titles);
    };
    top(t.heading);
    for (const std::vector<std::string>& row : t.rows) {
        if (pages.Room(line)) top(t.heading + " (continued)");
        PrintRow(t, fit, row, body, pages);
        pages.Down(body);
    }
}

std::string Grouped(reg::Cents amount, bool whole_dollars) {
    std::string text;
    reg::AppendGrouped(text, amount, whole_dollars);
    return text;
}

std::string_view LineLabel(std::string_view line) {
    static constexpr std::pair<std::string_view, std::string_view> kLabels[] = {
        {"1", "Maximum amount"},
        {"2", "Cost of section 179 property placed in service"},
        {"3", "Threshold cost before reduction"},
        {"4", "Reduction in limitation"},
        {"5", "Dollar limitation for the tax year"},
        {"6", "Section 179 property elected"},
        {"7", "Listed property elected"},
        {"8", "Total elected cost"},
        {"9", "Tentative deduction"},
        {"10", "Carryover of disallowed deduction from last year"},
        {"11", "Business income limitation"},
        {"12", "Section 179 expense deduction"},
        {"13", "Carryover of disallowed deduction to next year"},
        {"14", "Bonus depreciation allowance"},
        {"17", "MACRS deductions, assets placed in earlier years"},
        {"21", "Listed property"},
        {"22", "Total"},
        {"25", "Bonus depreciation allowance, listed property"},
        {"26", "Listed property used more than 50% for business"},
        {"27", "Listed property used 50% or less for business"},
        {"28", "Listed property, total"},
    };
    for (const auto& [number, label] : kLabels) {
        if (number == line) return label;
    }
    return {};
}

Table FormTable(const reg::BookFigures& figures) {
    Table t{"Form 4562, tax year " + std::to_string(figures.year),
            {{"Line", false},
             {"Description", false, true},
             {"Basis"},
             {"Recovery", false},
             {"Conv.", false},
             {"Method", false},
             {"Amount"}},
            {}};
    for (const reg::FormLine& l : reg::FormLines(figures.form)) {
        t.rows.push_back({l.line, l.cls.empty() ? std::string(LineLabel(l.line)) : l.cls,
                          l.basis ? Grouped(*l.basis, true) : "", l.recovery, l.convention,
                          l.method, l.amount ? Grouped(*l.amount, true) : ""});
    }
    return t;
}

Table AssetTable(const reg::Book& book, const reg::BookFigures& figures) {
    Table t{"Assets, tax year " + std::to_string(figures.year),
            {{"Id", false},
             {"Description", false, true},
             {"In service", false},
             {"Cost"},
             {"Section 179"},
             {"Allowance"},
             {"Depreciation"},
             {"Accumulated"},
             {"Basis left"}},
            {}};
    for (const reg::AssetYear& a : figures.assets) {
        const reg::YearRow& y = a.year;
        t.rows.push_back({std::string(reg::Trim(book.Cell(a.row, reg::Column::Id))),
                          std::string(reg::Trim(book.Cell(a.row, reg::Column::Description))),
                          std::string(reg::Trim(book.Cell(a.row, reg::Column::Placed))),
                          Grouped(a.cost, false), Grouped(y.section179, false),
                          Grouped(y.allowance, false), Grouped(y.depreciation, false),
                          Grouped(y.accumulated, false), Grouped(y.basis_left, false)});
    }
    return t;
}

Table TotalsTable(const reg::BookFigures& figures) {
    Table t{"Totals by tax year",
            {{"Year", false},
             {"Section 179"},
             {"Allowance"},
             {"Depreciation"},
             {"Total"},
             {"Accumulated"},
             {"Basis left"},
             {"Assets"}},
            {}};
    for (std::size_t i = 0; i < figures.totals.size(); ++i) {
        const reg::TotalsRow& r = figures.totals[i];
        t.rows.push_back({std::to_string(figures.first_year + static_cast<int>(i)),
                          Grouped(r.section179, false), Grouped(r.allowance, false),
                          Grouped(r.depreciation, false), Grouped(r.total(), false),
                          Grouped(r.accumulated, false), Grouped(r.basis_left, false),
                          std::to_string(r.assets)});
    }
    return t;
}

std::string DateText(const Date& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month, d.day, d.year);
    return buf;
}

// The heights of the page header's lines, and where the body starts below it.
struct HeaderLines {
    double title = 0, line = 0, body_top = 0;
};

HeaderLines MeasureHeader(Printer& printer) {
    HeaderLines h;
    h.title = printer.LineHeight(Font(12, true));
    h.line = printer.LineHeight(Font(kHeaderSize));
    h.body_top = kMargin + h.title + 2.5 * h.line;
    return h;
}

// The page header: the title and "Page N of M"; the taxpayer, the tax year and the day of
// printing; a rule.
void AddHeader(std::vector<PrintItem>& page, const HeaderLines& h, int year,
               const ReportParticulars& p, std::size_t number, std::size_t count) {
    const PrintFont small = Font(kHeaderSize);
    const double cw = CharWidth(kHeaderSize);
    const auto right = [&](const std::string& text) { return kRight - cw * utf8::Count(text); };
    std::vector<PrintItem> header;
    header.push_back({Font(12, true), kMargin, kMargin, std::string(kReportTitle)});
    const std::string page_text = "Page " + std::to_string(number) + " of " + std::to_string(count);
    header.push_back({small, right(page_text), kMargin, page_text});

    const double y = kMargin + h.title;
    const std::string year_text = "Tax year " + std::to_string(year);
    const double year_x = (kPageWidth - cw * utf8::Count(year_text)) / 2;
    const int name_room = static_cast<int>((year_x - kMargin) / cw) - kGap;
    if (!p.taxpayer.empty())
        header.push_back(
            {small, kMargin, y, std::string(utf8::Head(p.taxpayer, std::max(name_room, 0)))});
    header.push_back({small, year_x, y, year_text});
    const std::string printed = "Printed " + DateText(p.printed);
    header.push_back({small, right(printed), y, printed});
    const int rule = static_cast<int>((kRight - kMargin) / cw);
    header.push_back(
        {small, kMargin, y + h.line, std::string(static_cast<std::size_t>(rule), '_')});
    page.insert(page.begin(), header.begin(), header.end());
}

}  // namespace

std::vector<std::vector<PrintItem>> RegisterReportPages(const reg::Book& book,
                                                        const reg::BookFigures& figures,
                                                        const ReportParticulars& particulars,
                                                        Printer& printer) {
    const HeaderLines header = MeasureHeader(printer);
    Pages pages(printer, header.body_top);
    PrintTable(FormTable(figures), pages, printer);
    PrintTable(AssetTable(book, figures), pages, printer);
    PrintTable(TotalsTable(figures), pages, printer);
    for (std::size_t i = 0; i < pages.pages.size(); ++i)
        AddHeader(pages.pages[i], header, figures.year, particulars, i + 1, pages.pages.size());
    return std::move(pages.pages);
}

}  // namespace orvane::report
