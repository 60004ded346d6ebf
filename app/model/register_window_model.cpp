#include "app/model/register_window_model.h"

#include <algorithm>
#include <filesystem>
#include <thread>

#include "register/cells.h"

namespace orvane {
namespace {

using reg::Column;

// Whether the reader's message is about column `c` ("row 7: cost: found ...").
bool NamesColumn(std::string_view error, Column c) {
    const std::size_t colon = error.find(": ");
    if (colon == std::string_view::npos) return false;
    const std::string_view rest = error.substr(colon + 2);
    const std::string_view name = reg::ColumnName(c);
    return rest.substr(0, name.size()) == name && rest.substr(name.size(), 1) == ":";
}

bool ReadFields(const reg::Book& book, const std::vector<std::string>& fields, std::size_t row,
                const reg::VehicleLimitTable& limits, std::string& error) {
    const std::vector<std::string_view> views(fields.begin(), fields.end());
    reg::AssetInput asset;
    reg::RowTexts texts;
    return reg::ReadRow(book.header(), views, static_cast<int>(row) + 2, limits, asset, texts,
                        error);
}

// Whole dollars as the command takes them: "" is nothing, "$1,200" is 1200.
bool ReadDollars(std::string_view text, bool negative_ok, std::optional<long long>& out) {
    const std::string plain = NormaliseCell(Column::Cost, text);
    if (plain.empty()) {
        out.reset();
        return true;
    }
    const bool minus = plain[0] == '-';
    long long v = 0;
    if (minus && !negative_ok) return false;
    if (reg::ReadDecimal(std::string_view(plain).substr(minus ? 1 : 0), 0, v) !=
            reg::DecimalRead::Ok ||
        v > 9'999'999'999'999LL)
        return false;
    out = minus ? -v : v;
    return true;
}

int LatestPlacedYear(const reg::Book& book, int fallback) {
    int latest = 0;
    for (std::size_t r = 0; r < book.size(); ++r) {
        const std::string_view t = reg::Trim(book.Cell(r, Column::Placed));
        reg::Day day;
        if (reg::ReadDate(t, day)) latest = std::max(latest, day.year());
    }
    return latest >= reg::VehicleLimitTable::kFirstYear ? latest : fallback;
}

}  // namespace

RegisterWindowModel::RegisterWindowModel(MessageBoxes& boxes, const reg::VehicleLimitTable& limits,
                                         int year)
    : boxes_(boxes), limits_(limits) {
    c_.year = year;
    Refigure();
}

RegisterWindowModel::~RegisterWindowModel() {
    aside_->model = nullptr;
}

void RegisterWindowModel::Say(std::string text, bool error) {
    c_.message = std::move(text);
    c_.message_is_error = error;
}

// ------------------------------------------------------------------ files

bool RegisterWindowModel::Open(const std::string& file) {
    reg::Book book;
    std::string error;
    if (!book.Load(file, error)) {
        Say(error, true);
        return false;
    }
    book_ = std::move(book);
    undo_.clear();
    redo_.clear();
    clean_ = 0;
    c_.file = file;
    c_.year = LatestPlacedYear(book_, c_.year);
    c_.filter.clear();
    c_.sort_field = -1;
    c_.descending = false;
    c_.shown = RowsShown(book_, "", -1, false);
    c_.chosen_line.clear();
    Say("Opened " + file + " (" + std::to_string(book_.size()) + " assets)", false);
    Changed();
    return true;
}

bool RegisterWindowModel::Save() {
    return !c_.file.empty() && SaveAs(c_.file);
}

bool RegisterWindowModel::SaveAs(const std::string& file) {
    std::string error;
    if (!book_.Save(file, error)) {
        Say(error, true);
        return false;
    }
    c_.file = file;
    clean_ = static_cast<long long>(undo_.size());
    Say("Saved " + file, false);
    c_.modified = false;
    return true;
}

bool RegisterWindowModel::MayDiscard(const std::function<std::string()>& pick_file) {
    if (!c_.modified) return true;
    const std::string name =
        c_.file.empty() ? "Untitled" : std::filesystem::path(c_.file).filename().string();
    switch (boxes_.Show("Save the changes to " + name + "?", "", MsgButtons::SaveDiscardCancel)) {
        case MsgAnswer::No:
            return true;
        case MsgAnswer::Yes: {
            if (Save()) return true;
            if (!c_.file.empty()) return false;
            const std::string file = pick_file ? pick_file() : std::string();
            return !file.empty() && SaveAs(file);
        }
        default:
            return false;
    }
}

// ------------------------------------------------------------------ editing

bool RegisterWindowModel::IdTaken(std::string_view id, std::size_t except) const {
    for (std::size_t r = 0; r < book_.size(); ++r) {
        if (r != except && reg::Trim(book_.Cell(r, Column::Id)) == id) return true;
    }
    return false;
}

bool RegisterWindowModel::CellRefused(std::size_t row, Column c, const std::string& text) {
    const int line = static_cast<int>(row) + 2;
    if (c == Column::Id && !text.empty() && IdTaken(text, row)) {
        Say(reg::RowError(line, "id", text, "an id not used before"), true);
        return true;
    }
    std::vector<std::string> fields = book_.fields(row);
    const auto field = static_cast<std::size_t>(book_.header().field_of_column[std::size_t(c)]);
    std::string before, after;
    const bool was_read = ReadFields(book_, fields, row, limits_, before);
    fields[field] = text;
    if (ReadFields(book_, fields, row, limits_, after)) return false;
    bool refused = was_read || NamesColumn(after, c);
    if (!refused) {
        // A row not complete yet: the cell on its own, in a row of nothing else.
        std::vector<std::string> probe(fields.size());
        const auto set = [&](Column k, const char* t) {
            probe[static_cast<std::size_t>(book_.header().field_of_column[std::size_t(k)])] = t;
        };
        set(Column::Id, "x");
        set(Column::Placed, "2020-06-01");
        set(Column::Cost, "1000");
        probe[field] = text;
        refused = !ReadFields(book_, probe, row, limits_, after) && NamesColumn(after, c);
    }
    if (refused) Say(after, true);
    return refused;
}

bool RegisterWindowModel::SetCell(std::size_t row, int field, std::string_view text) {
    const std::optional<Column> c = ColumnOfField(book_, field);
    if (!c || row >= book_.size()) {
        Say("the register does not read this column: its cells stay as they are", true);
        return false;
    }
    std::string value = NormaliseCell(*c, text);
    if (value == book_.Cell(row, *c)) return true;
    if (CellRefused(row, *c, value)) return false;
    RegisterEdit e;
    e.row = row;
    e.column = *c;
    e.before = std::string(book_.Cell(row, *c));
    e.after = std::move(value);
    Say("", false);
    Record(std::move(e));
    return true;
}

std::size_t RegisterWindowModel::AddRow() {
    RegisterEdit e;
    e.kind = RegisterEdit::Kind::Insert;
    e.rows.emplace_back(book_.size(), std::vector<std::string>(book_.names().size()));
    Record(std::move(e));
    return book_.size() - 1;
}

std::size_t RegisterWindowModel::DuplicateRow(std::size_t row) {
    std::vector<std::string> fields = book_.fields(row);
    const int id_field = book_.header().field_of_column[static_cast<std::size_t>(Column::Id)];
    std::string& id = fields[static_cast<std::size_t>(id_field)];
    const std::string base(reg::Trim(id));
    for (int n = 2; !base.empty() && IdTaken(id, book_.size()); ++n)
        id = base + "-" + std::to_string(n);
    RegisterEdit e;
    e.kind = RegisterEdit::Kind::Insert;
    e.rows.emplace_back(row + 1, std::move(fields));
    Record(std::move(e));
    return row + 1;
}

void RegisterWindowModel::DeleteRows(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;
    RegisterEdit e;
    e.kind = RegisterEdit::Kind::Erase;
    for (std::size_t r : rows)
        e.rows.emplace_back(r, book_.fields(r));
    Record(std::move(e));
}

void RegisterWindowModel::Record(RegisterEdit e) {
    if (clean_ > static_cast<long long>(undo_.size())) clean_ = -1;
    redo_.clear();
    Apply(e, true);
    undo_.push_back(std::move(e));
    Changed();
}

bool RegisterWindowModel::Undo() {
    if (undo_.empty()) return false;
    RegisterEdit e = std::move(undo_.back());
    undo_.pop_back();
    Apply(e, false);
    Reshow(e);
    redo_.push_back(std::move(e));
    Changed();
    return true;
}

bool RegisterWindowModel::Redo() {
    if (redo_.empty()) return false;
    RegisterEdit e = std::move(redo_.back());
    redo_.pop_back();
    Apply(e, true);
    Reshow(e);
    undo_.push_back(std::move(e));
    Changed();
    return true;
}

// Rows coming back or going again take their places by the filter and the order shown.
void RegisterWindowModel::Reshow(const RegisterEdit& e) {
    if (e.kind != RegisterEdit::Kind::SetCell)
        c_.shown = RowsShown(book_, c_.filter, c_.sort_field, c_.descending);
}

void RegisterWindowModel::Apply(const RegisterEdit& e, bool forward) {
    using Kind = RegisterEdit::Kind;
    if (e.kind == Kind::SetCell) {
        book_.SetCell(e.row, e.column, forward ? e.after : e.before);
        return;
    }
    std::vector<std::size_t> rows;
    for (const auto& [r, fields] : e.rows)
        rows.push_back(r);
    if ((e.kind == Kind::Insert) == forward) {
        for (const auto& [r, fields] : e.rows)
            book_.Insert(r, fields);
        InsertShown(rows);
    } else {
        for (auto it = e.rows.rbegin(); it != e.rows.rend(); ++it)
            book_.Erase(it->first);
        EraseShown(rows);
    }
}

// Rows come in after the row before them in the book, wherever that is shown (or first, or
// last when it is not shown).
void RegisterWindowModel::InsertShown(const std::vector<std::size_t>& rows) {
    const std::size_t n = book_.size();
    std::vector<char> added(n, 0);
    for (std::size_t r : rows)
        added[r] = 1;
    std::vector<std::size_t> new_of_old;
    for (std::size_t r = 0; r < n; ++r) {
        if (!added[r]) new_of_old.push_back(r);
    }
    std::vector<std::vector<std::size_t>> after(n);
    std::vector<std::size_t> front, back;
    std::vector<char> shown(n, 0);
    for (std::size_t& s : c_.shown) {
        s = new_of_old[s];
        shown[s] = 1;
    }
    for (std::size_t r : rows) {
        std::size_t anchor = r;
        while (anchor > 0 && added[anchor - 1])
            --anchor;
        if (anchor == 0)
            front.push_back(r);
        else if (shown[anchor - 1])
            after[anchor - 1].push_back(r);
        else
            back.push_back(r);
    }
    std::vector<std::size_t> out = front;
    out.reserve(c_.shown.size() + rows.size());
    for (std::size_t s : c_.shown) {
        out.push_back(s);
        out.insert(out.end(), after[s].begin(), after[s].end());
    }
    out.insert(out.end(), back.begin(), back.end());
    c_.shown = std::move(out);
}

void RegisterWindowModel::EraseShown(const std::vector<std::size_t>& rows) {
    const std::size_t n = book_.size() + rows.size();
    std::vector<char> gone(n, 0);
    for (std::size_t r : rows)
        gone[r] = 1;
    std::vector<std::size_t> below(n + 1, 0);
    for (std::size_t r = 0; r < n; ++r)
        below[r + 1] = below[r] + static_cast<std::size_t>(gone[r]);
    std::vector<std::size_t> out;
    out.reserve(c_.shown.size());
    for (std::size_t s : c_.shown) {
        if (!gone[s]) out.push_back(s - below[s]);
    }
    c_.shown = std::move(out);
}

void RegisterWindowModel::Changed() {
    c_.modified = clean_ != static_cast<long long>(undo_.size());
    c_.can_undo = !undo_.empty();
    c_.can_redo = !redo_.empty();
    Refigure();
}

// ------------------------------------------------------------------ the year

void RegisterWindowModel::SetYear(int year) {
    c_.year =
        std::clamp(year, reg::VehicleLimitTable::kFirstYear, reg::VehicleLimitTable::kLastYear);
    Refigure();
}

bool RegisterWindowModel::SetBusinessIncome(std::string_view text) {
    std::optional<long long> v;
    if (!ReadDollars(text, true, v)) {
        Say("business income: found '" + std::string(text) +
                "', expected a whole number of dollars",
            true);
        return false;
    }
    income_ = v;
    c_.business_income = v ? std::to_string(*v) : std::string();
    Say("", false);
    Refigure();
    return true;
}

bool RegisterWindowModel::SetCarryover(std::string_view text) {
    std::optional<long long> v;
    if (!ReadDollars(text, false, v)) {
        Say("carryover: found '" + std::string(text) +
                "', expected a whole number of dollars, 0 or more",
            true);
        return false;
    }
    carryover_ = v.value_or(0);
    c_.carryover = v ? std::to_string(*v) : std::string();
    Say("", false);
    Refigure();
    return true;
}

void RegisterWindowModel::Refigure() {
    const long long asked = ++aside_->asked;
    if (!post || book_.size() < kRowsFiguredAside) {
        c_.figures = reg::FigureBook(book_, c_.year, income_, carryover_, limits_);
        c_.figuring = false;
        ChooseLine(std::string(c_.chosen_line));
        return;
    }
    // On a copy of the book, on a thread of its own; figures asked for later win.
    c_.figuring = true;
    auto book = std::make_shared<const reg::Book>(book_);
    std::thread([book, asked, aside = aside_, post = post, limits = limits_, year = c_.year,
                 income = income_, carryover = carryover_] {
        if (aside->asked != asked) return;
        auto figures = std::make_shared<reg::BookFigures>(
            reg::FigureBook(*book, year, income, carryover, limits));
        post([aside, asked, figures] {
            RegisterWindowModel* m = aside->model;
            if (m == nullptr || aside->asked != asked) return;
            m->c_.figures = std::move(*figures);
            m->c_.figuring = false;
            m->ChooseLine(std::string(m->c_.chosen_line));
            if (m->figured) m->figured();
        });
    }).detach();
}

// ------------------------------------------------------------------ what is shown

void RegisterWindowModel::SetFilter(std::string_view text) {
    c_.filter = std::string(text);
    c_.shown = RowsShown(book_, c_.filter, c_.sort_field, c_.descending);
}

void RegisterWindowModel::Sort(int field, bool descending) {
    c_.sort_field = field;
    c_.descending = descending;
    c_.shown = RowsShown(book_, c_.filter, field, descending);
}

void RegisterWindowModel::ChooseLine(std::string_view line) {
    c_.chosen_line = std::string(line);
    c_.line_rows.clear();
    if (line.empty()) return;
    for (const reg::AssetYear& a : c_.figures.assets) {
        if (std::find(a.lines.begin(), a.lines.end(), line) != a.lines.end())
            c_.line_rows.push_back(a.row);
    }
}

std::optional<std::size_t> RegisterWindowModel::ShownAt(std::size_t row) const {
    const auto it = std::find(c_.shown.begin(), c_.shown.end(), row);
    if (it == c_.shown.end()) return {};
    return static_cast<std::size_t>(it - c_.shown.begin());
}

std::string RegisterWindowModel::RowProblem(std::size_t row) const {
    const auto& errors = c_.figures.errors;
    const auto it = std::lower_bound(errors.begin(), errors.end(), row,
                                     [](const auto& e, std::size_t r) { return e.first < r; });
    return it != errors.end() && it->first == row ? it->second : std::string();
}

bool RegisterWindowModel::ScheduleOf(std::size_t row, reg::Schedule& out,
                                     std::string& error) const {
    reg::AssetInput asset;
    return reg::ScheduleOf(book_, row, c_.figures, limits_, asset, out, error);
}

}  // namespace orvane
