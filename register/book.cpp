#include "register/book.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "base/temp_file.h"
#include "engine/tax_year.h"
#include "register/cells.h"
#include "register/csv.h"
#include "register/passes.h"
#include "register/writers.h"

namespace orvane::reg {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

void AddLine(std::vector<std::string>& lines, bool used, std::string_view line) {
    if (used) lines.emplace_back(line);
}

// The lines of Form 4562 that one asset's own sums add to.
std::vector<std::string> LinesOf(const FormSums& s) {
    std::vector<std::string> lines;
    AddLine(lines, s.section179.property_cost != 0, "2");
    AddLine(lines, s.section179.elected_cost != 0 || s.section179.elected != 0, "6");
    AddLine(lines, s.section179.elected_listed != 0, "7");
    AddLine(lines, s.line14 != 0, "14");
    AddLine(lines, s.line17 != 0, "17");
    // The rows of lines 19 and 20 by their keys, as the form's table shows them.
    for (std::size_t i = 0; i < s.line19.size(); ++i) {
        if (!s.line19[i].used) continue;
        const char row = static_cast<char>('a' + i / (kConventions * kMethods));
        lines.push_back(FormRowKey(std::string("19") + row,
                                   ConventionAt(i / kMethods % kConventions),
                                   kFactors[i % kMethods]));
    }
    for (std::size_t i = 0; i < s.line20.size(); ++i) {
        if (!s.line20[i].used) continue;
        const char row = static_cast<char>('a' + i / kConventions);
        lines.push_back(FormRowKey(std::string("20") + row, ConventionAt(i % kConventions), 100));
    }
    AddLine(lines, s.line25 != 0, "25");
    AddLine(lines, s.line26.used, "26");
    AddLine(lines, s.line27.used, "27");
    return lines;
}

std::size_t PlacedIndex(const AssetInput& a) {
    return static_cast<std::size_t>(a.placed.year() - kFirstYear);
}

}  // namespace

Book::Book() {
    for (std::size_t c = 0; c < kColumns; ++c)
        names_.emplace_back(ColumnName(static_cast<Column>(c)));
    const std::vector<std::string_view> views(names_.begin(), names_.end());
    std::vector<std::string> problems;
    ReadHeader(views, header_, problems);
}

std::string_view Book::Cell(std::size_t row, Column c) const {
    const int f = header_.field_of_column[static_cast<std::size_t>(c)];
    return f < 0 ? std::string_view{} : std::string_view(rows_[row][static_cast<std::size_t>(f)]);
}

void Book::SetCell(std::size_t row, Column c, std::string text) {
    int f = header_.field_of_column[static_cast<std::size_t>(c)];
    if (f < 0) {
        f = static_cast<int>(names_.size());
        names_.emplace_back(ColumnName(c));
        header_.field_of_column[static_cast<std::size_t>(c)] = f;
        header_.column_of_field.push_back(static_cast<int>(c));
        header_.fields = names_.size();
        for (std::vector<std::string>& r : rows_)
            r.resize(names_.size());
    }
    rows_[row][static_cast<std::size_t>(f)] = std::move(text);
}

void Book::Insert(std::size_t at) {
    Insert(at, std::vector<std::string>(names_.size()));
}

void Book::Insert(std::size_t at, std::vector<std::string> fields) {
    fields.resize(names_.size());
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(fields));
}

void Book::Erase(std::size_t at) {
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(at));
}

bool Book::ReadHeaderRow(std::span<const std::string_view> fields, std::string& error) {
    std::vector<std::string> problems;
    Header header;
    if (!ReadHeader(fields, header, problems)) {
        error = problems.empty() ? "row 1: expected a header row of column names" : problems[0];
        return false;
    }
    header_ = std::move(header);
    names_.assign(fields.begin(), fields.end());
    return true;
}

bool Book::Load(const std::filesystem::path& file, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        error = "cannot read the register '" + file.string() + "': it is a folder";
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) {
        error = "cannot read the register '" + file.string() + "': " + std::strerror(errno);
        return false;
    }
    CsvReader reader(f.get());
    CsvBlock block;
    std::vector<std::string_view> fields;
    std::string scratch;
    CsvFieldError bad;
    std::vector<std::vector<std::string>> rows;
    bool header = true;
    while (reader.Fill(block)) {
        for (std::size_t i = 0; i < block.count; ++i) {
            const CsvRecord& rec = block.records[i];
            if (rec.too_long || !SplitRecord(rec.text, fields, scratch, bad)) {
                error = "row " + std::to_string(rec.row) + ": a broken or over-long record";
                return false;
            }
            if (header && !ReadHeaderRow(fields, error)) return false;
            if (!header) rows.emplace_back(fields.begin(), fields.end());
            if (!header) rows.back().resize(names_.size());
            header = false;
        }
    }
    if (reader.failed()) error = "cannot read the register '" + file.string() + "'";
    if (header && error.empty()) error = kRegisterEmpty;
    if (!error.empty()) return false;
    rows_ = std::move(rows);
    return true;
}

std::string Book::Csv() const {
    std::string out;
    const auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ',';
            AppendCsvField(out, fields[i]);
        }
        out += '\n';
    };
    line(names_);
    for (const std::vector<std::string>& r : rows_)
        line(r);
    return out;
}

bool Book::Save(const std::filesystem::path& file, std::string& error) const {
    const std::string text = Csv();
    std::string temp;
    const int fd = MakeTempBeside(file, "", true, temp);
    if (fd < 0) {
        error = "cannot write '" + file.string() + "': " + std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const int saved = errno;
    const bool ok = done == text.size() && fsync(fd) == 0 && close(fd) == 0;
    if (done != text.size()) close(fd);
    if (!ok || std::rename(temp.c_str(), file.c_str()) != 0) {
        error = "cannot write '" + file.string() +
                "': " + std::strerror(done != text.size() ? saved : errno);
        unlink(temp.c_str());
        return false;
    }
    return true;
}

bool ReadBookRow(const Book& book, std::size_t row, const VehicleLimitTable& limits,
                 AssetInput& asset, std::string& error) {
    const std::vector<std::string>& f = book.fields(row);
    std::vector<std::string_view> fields(f.begin(), f.end());
    RowTexts texts;
    asset = AssetInput{};
    return ReadRow(book.header(), fields, static_cast<int>(row) + 2, limits, asset, texts, error);
}

namespace {

// Reads every row and checks the ids; the assets read, or the problems in `figures`.
std::vector<AssetInput> ReadAll(const Book& book, const VehicleLimitTable& limits,
                                BookFigures& figures) {
    std::vector<AssetInput> assets(book.size());
    std::unordered_map<std::string_view, std::size_t> first_of;
    std::string error;
    for (std::size_t i = 0; i < book.size(); ++i) {
        if (!ReadBookRow(book, i, limits, assets[i], error)) figures.errors.emplace_back(i, error);
        const std::string_view id = Trim(book.Cell(i, Column::Id));
        if (id.empty()) continue;
        const auto [at, fresh] = first_of.emplace(id, i);
        if (!fresh)
            figures.errors.emplace_back(
                i, RepeatedIdError(static_cast<int>(i) + 2, id, static_cast<int>(at->second) + 2));
    }
    return assets;
}

}  // namespace

BookFigures FigureBook(const Book& book, int year, std::optional<long long> business_income,
                       long long carryover_in, const VehicleLimitTable& limits) {
    BookFigures figures;
    figures.year = year;
    const std::vector<AssetInput> assets = ReadAll(book, limits, figures);
    if (!figures.errors.empty()) return figures;
    std::vector<YearSums> sums(kPlacedYears);
    for (const AssetInput& a : assets)
        AddToYear(a, CappedElection(a, limits.For(a.kind, a.placed.year())), sums[PlacedIndex(a)]);
    figures.facts.resize(kPlacedYears);
    for (std::size_t y = 0; y < kPlacedYears; ++y)
        figures.facts[y] = DecideYear(kFirstYear + static_cast<int>(y), sums[y]);
    auto schedule = std::make_unique<Schedule>();
    FormSums form;
    std::vector<TotalsRow> totals(kRowYears);
    int low = static_cast<int>(kRowYears), high = -1;
    for (std::size_t i = 0; i < assets.size(); ++i) {
        const AssetInput& a = assets[i];
        const VehicleLimitYear* lim = limits.For(a.kind, a.placed.year());
        ComputeAsset(a, {figures.facts[PlacedIndex(a)], lim}, *schedule);
        FormSums own;
        AddToForm(year, a, CappedElection(a, lim), *schedule, own);
        form += own;
        AssetYear& out = figures.assets.emplace_back();
        out.row = i;
        if (const YearRow* r = schedule->Row(year)) out.year = *r;
        out.cost = a.cost;
        out.business_cost = schedule->business_cost;
        out.depreciable_basis = schedule->depreciable_basis;
        out.gain_loss = schedule->gain_loss;
        out.drift = schedule->drift;
        out.notes = schedule->notes;
        out.lines = LinesOf(own);
        AddToTotals(static_cast<int>(PlacedIndex(a)), *schedule, totals, low, high);
    }
    if (high >= low) {
        figures.first_year = kFirstYear + low;
        figures.totals.assign(totals.begin() + low, totals.begin() + high + 1);
    }
    figures.form = FigureForm(year, form, business_income, carryover_in);
    return figures;
}

bool ScheduleOf(const Book& book, std::size_t row, const BookFigures& figures,
                const VehicleLimitTable& limits, AssetInput& a, Schedule& out, std::string& error) {
    if (!ReadBookRow(book, row, limits, a, error)) return false;
    if (figures.facts.size() != kPlacedYears) {
        error = "the register's figures are not made yet";
        return false;
    }
    ComputeAsset(a, {figures.facts[PlacedIndex(a)], limits.For(a.kind, a.placed.year())}, out);
    return true;
}

}  // namespace orvane::reg
