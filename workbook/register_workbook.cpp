#include "workbook/register_workbook.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

#include "base/temp_file.h"
#include "register/cells.h"

namespace orvane::workbook {
namespace {

namespace fs = std::filesystem;
using reg::Cents;

// A column of a sheet: its heading and its width in characters.
struct Heading {
    const char* text;
    double width;
};

constexpr Heading kRegisterColumns[] = {{"Id", 12},
                                        {"Description", 30},
                                        {"Property", 14},
                                        {"System", 8},
                                        {"Method", 8},
                                        {"Recovery", 9},
                                        {"Convention", 11},
                                        {"Placed in service", 17},
                                        {"Business use %", 14},
                                        {"Cost", 15},
                                        {"Section 179", 15},
                                        {"Allowance %", 12},
                                        {"Allowance", 15},
                                        {"Depreciable basis", 17},
                                        {"Depreciation", 15},
                                        {"Accumulated", 15},
                                        {"Basis left", 15},
                                        {"Disposed", 11},
                                        {"Gain/loss", 15},
                                        {"Drift", 12},
                                        {"Notes", 60}};
constexpr Heading kScheduleColumns[] = {
    {"Id", 12},           {"Year", 6},         {"Section 179", 15}, {"Allowance", 15},
    {"Depreciation", 15}, {"Accumulated", 15}, {"Basis left", 15}};
constexpr Heading kTotalsColumns[] = {
    {"Year", 6},   {"Section 179", 17}, {"Allowance", 17},  {"Depreciation", 17},
    {"Total", 17}, {"Accumulated", 17}, {"Basis left", 17}, {"Assets", 8}};
constexpr Heading kFormColumns[] = {{"Line", 6},      {"Class", 28},      {"Basis", 15},
                                    {"Recovery", 10}, {"Convention", 11}, {"Method", 8},
                                    {"Amount", 15}};

// The workbook being written and the first fault of any call.
class Sheets {
  public:
    explicit Sheets(lxw_workbook* book) : book_(book) {
        bold_ = workbook_add_format(book);
        format_set_bold(bold_);
        date_ = Format("yyyy-mm-dd");
        money_ = Format("#,##0.00;-#,##0.00");
        dollars_ = Format("#,##0;-#,##0");
        hundredths_ = Format("0.00");
    }

    // A sheet with its heading row, frozen, and its columns' widths.
    lxw_worksheet* Add(std::string_view name, std::span<const Heading> columns) {
        sheet_ = workbook_add_worksheet(book_, std::string(name).c_str());
        if (!sheet_) {
            Check(LXW_ERROR_MEMORY_MALLOC_FAILED);
            return nullptr;
        }
        for (std::size_t c = 0; c < columns.size(); ++c) {
            Check(worksheet_set_column(sheet_, Col(c), Col(c), columns[c].width, nullptr));
            Check(worksheet_write_string(sheet_, 0, Col(c), columns[c].text, bold_));
        }
        worksheet_freeze_panes(sheet_, 1, 0);
        return sheet_;
    }

    void Text(lxw_row_t row, std::size_t col, std::string_view text) {
        if (text.empty()) return;
        scratch_.assign(text);
        Check(worksheet_write_string(sheet_, row, Col(col), scratch_.c_str(), nullptr));
    }
    void Number(lxw_row_t row, std::size_t col, double v, lxw_format* f = nullptr) {
        Check(worksheet_write_number(sheet_, row, Col(col), v, f));
    }
    void Money(lxw_row_t row, std::size_t col, Cents c) {
        Number(row, col, static_cast<double>(c) / 100.0, money_);
    }
    void Money(lxw_row_t row, std::size_t col, std::optional<Cents> c) {
        if (c) Money(row, col, *c);
    }
    void Dollars(lxw_row_t row, std::size_t col, std::optional<long long> d) {
        if (d) Number(row, col, static_cast<double>(*d), dollars_);
    }
    void Date(lxw_row_t row, std::size_t col, reg::Day day) {
        if (!day.given()) return;
        lxw_datetime t{day.year(), day.month(), day.day(), 0, 0, 0.0};
        Check(worksheet_write_datetime(sheet_, row, Col(col), &t, date_));
    }
    void Hundredths(lxw_row_t row, std::size_t col, double v) { Number(row, col, v, hundredths_); }

    void Select(lxw_worksheet* sheet) { sheet_ = sheet; }
    void Check(lxw_error e) {
        if (e != LXW_NO_ERROR && fault_ == LXW_NO_ERROR) fault_ = e;
    }
    lxw_error fault() const { return fault_; }

  private:
    static lxw_col_t Col(std::size_t c) { return static_cast<lxw_col_t>(c); }
    lxw_format* Format(const char* number_format) {
        lxw_format* f = workbook_add_format(book_);
        format_set_num_format(f, number_format);
        return f;
    }

    lxw_workbook* book_;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format *bold_, *date_, *money_, *dollars_, *hundredths_;
    std::string scratch_;
    lxw_error fault_ = LXW_NO_ERROR;
};

void RegisterRow(Sheets& s, lxw_row_t row, const reg::AssetView& v, const reg::AssetYear& a,
                 int year) {
    const reg::Schedule& sc = *v.schedule;
    const reg::AssetInput& in = *v.input;
    const reg::YearFigures f = reg::FiguresOf(sc, year);
    const reg::AssetWords w = reg::WordsOf(v);
    s.Text(row, 0, v.id);
    s.Text(row, 1, v.description);
    s.Text(row, 2, w.property);
    s.Text(row, 3, w.system);
    s.Text(row, 4, w.method);
    if (sc.cls.recovery_halves) s.Number(row, 5, sc.cls.recovery_halves / 2.0);
    s.Text(row, 6, w.convention);
    s.Date(row, 7, in.placed);
    s.Hundredths(row, 8, in.business_bp / 100.0);
    s.Money(row, 9, in.cost);
    s.Money(row, 10, f.section179);
    s.Number(row, 11, sc.allowance_percent);
    s.Money(row, 12, f.allowance);
    s.Money(row, 13, a.depreciable_basis);
    s.Money(row, 14, f.depreciation);
    s.Money(row, 15, f.accumulated);
    s.Money(row, 16, f.basis_left);
    s.Date(row, 17, in.disposed);
    s.Money(row, 18, a.gain_loss);
    s.Money(row, 19, a.drift);
    s.Text(row, 20, w.notes);
}

void ScheduleRows(Sheets& s, lxw_row_t& row, std::string_view id, const reg::Schedule& sc) {
    for (std::size_t i = 0; i < sc.count; ++i, ++row) {
        const reg::YearRow& r = sc.rows[i];
        s.Text(row, 0, id);
        s.Number(row, 1, sc.first_year + static_cast<int>(i));
        std::size_t col = 2;
        // Section 179 and the allowance come in the first years only: blank in the others.
        for (Cents c : {r.section179, r.allowance})
            if (c != 0)
                s.Money(row, col++, c);
            else
                ++col;
        for (Cents c : {r.depreciation, r.accumulated, r.basis_left})
            s.Money(row, col++, c);
    }
}

// The sheets of the assets and of their schedules, written side by side, row by row.
bool WriteAssets(Sheets& s, const reg::Book& book, const reg::BookFigures& figures,
                 const reg::VehicleLimitTable& limits, std::string& error) {
    lxw_worksheet* assets = s.Add(kSheetNames[0], kRegisterColumns);
    lxw_worksheet* schedules = s.Add(kSheetNames[1], kScheduleColumns);
    if (!assets || !schedules) return true;
    auto sc = std::make_unique<reg::Schedule>();
    reg::AssetInput in;
    lxw_row_t row = 1, schedule_row = 1;
    for (const reg::AssetYear& a : figures.assets) {
        if (!reg::ScheduleOf(book, a.row, figures, limits, in, *sc, error)) return false;
        const std::string_view id = reg::Trim(book.Cell(a.row, reg::Column::Id));
        const reg::AssetView v{id, reg::Trim(book.Cell(a.row, reg::Column::Description)), &in,
                               sc.get()};
        s.Select(assets);
        RegisterRow(s, row++, v, a, figures.year);
        s.Select(schedules);
        ScheduleRows(s, schedule_row, id, *sc);
    }
    s.Check(worksheet_autofilter(assets, 0, 0, row - 1, std::size(kRegisterColumns) - 1));
    return true;
}

void WriteTotals(Sheets& s, const reg::BookFigures& figures) {
    if (!s.Add(kSheetNames[2], kTotalsColumns)) return;
    lxw_row_t row = 1;
    for (const reg::TotalsRow& t : figures.totals) {
        s.Number(row, 0, figures.first_year + static_cast<int>(row) - 1);
        std::size_t col = 1;
        for (Cents c :
             {t.section179, t.allowance, t.depreciation, t.total(), t.accumulated, t.basis_left})
            s.Money(row, col++, c);
        s.Number(row, col, static_cast<double>(t.assets));
        ++row;
    }
}

void WriteForm(Sheets& s, const reg::BookFigures& figures) {
    if (!s.Add(kSheetNames[3], kFormColumns)) return;
    lxw_row_t row = 1;
    for (const reg::FormLine& l : reg::FormLines(figures.form)) {
        s.Text(row, 0, l.line);
        s.Text(row, 1, l.cls);
        s.Dollars(row, 2, l.basis);
        s.Text(row, 3, l.recovery);
        s.Text(row, 4, l.convention);
        s.Text(row, 5, l.method);
        s.Dollars(row, 6, l.amount);
        ++row;
    }
}

}  // namespace

bool WriteRegisterWorkbook(const fs::path& file, const reg::Book& book,
                           const reg::BookFigures& figures, const reg::VehicleLimitTable& limits,
                           std::string& error) {
    const std::string failed = "cannot write '" + file.string() + "': ";
    std::string temp;
    // The file gets the permissions of any new file.
    const int fd = MakeTempBeside(file, "", false, temp);
    if (fd < 0) {
        error = failed + std::strerror(errno);
        return false;
    }
    ::close(fd);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* wb = workbook_new_opt(temp.c_str(), &options);
    lxw_error fault = LXW_ERROR_MEMORY_MALLOC_FAILED;
    std::string reason;
    if (wb) {
        std::string title = "Asset register, tax year " + std::to_string(figures.year);
        lxw_doc_properties properties{};
        properties.title = title.data();
        workbook_set_properties(wb, &properties);
        Sheets sheets(wb);
        if (WriteAssets(sheets, book, figures, limits, reason)) {
            WriteTotals(sheets, figures);
            WriteForm(sheets, figures);
        }
        const lxw_error closed = workbook_close(wb);
        fault = sheets.fault() != LXW_NO_ERROR ? sheets.fault() : closed;
    }
    if (reason.empty() && fault == LXW_NO_ERROR && std::rename(temp.c_str(), file.c_str()) == 0)
        return true;
    error = failed + (!reason.empty()         ? reason
                      : fault != LXW_NO_ERROR ? lxw_strerror(fault)
                                              : std::strerror(errno));
    ::unlink(temp.c_str());
    return false;
}

}  // namespace orvane::workbook
