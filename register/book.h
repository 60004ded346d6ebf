#pragma once
// A register held in memory, for the register window and the reports made from it: the cells
// as the user wrote them, each row read by the same reader as the command's file, and the
// figures of a tax year computed by the same rules.

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/form4562.h"
#include "register/row_reader.h"
#include "register/writers.h"

namespace orvane::reg {

class Book {
  public:
    // A new register: every column the reader knows, no rows.
    Book();

    // The columns in the order of the file (with the names as written) and the rows' fields,
    // as many as there are columns.
    const std::vector<std::string>& names() const { return names_; }
    const Header& header() const { return header_; }
    std::size_t size() const { return rows_.size(); }
    const std::vector<std::string>& fields(std::size_t row) const { return rows_[row]; }

    // A cell of a column the reader knows; empty when the file has no such column.
    std::string_view Cell(std::size_t row, Column c) const;
    // Sets a cell, adding the column at the end when the file has none.
    void SetCell(std::size_t row, Column c, std::string text);
    // A row of empty fields at `at`; a copy of a row; a row taken out.
    void Insert(std::size_t at);
    void Insert(std::size_t at, std::vector<std::string> fields);
    void Erase(std::size_t at);

    // Reads a register file. False with `error` for a file that cannot be read, a broken
    // record or a header row that cannot be used; rows whose cells cannot be read are kept.
    bool Load(const std::filesystem::path& file, std::string& error);
    // The register as CSV, header first.
    std::string Csv() const;
    // Writes the register to `file`, which is replaced only once the new one is complete.
    bool Save(const std::filesystem::path& file, std::string& error) const;

  private:
    bool ReadHeaderRow(std::span<const std::string_view> fields, std::string& error);

    std::vector<std::string> names_;
    Header header_;
    std::vector<std::vector<std::string>> rows_;
};

// Reads row `row` (0 on) as the command line reads it: false with the message, which names
// the row as a spreadsheet numbers it (the header is row 1).
bool ReadBookRow(const Book& book, std::size_t row, const VehicleLimitTable& limits,
                 AssetInput& asset, std::string& error);

// One asset's figures of the tax year reported.
struct AssetYear {
    std::size_t row = 0;  // in the book
    YearRow year;         // its row of the tax year (zero outside its schedule)
    Cents cost = 0, business_cost = 0, depreciable_basis = 0;
    std::optional<Cents> gain_loss, drift;
    std::uint32_t notes = 0;
    // The rows of the year's Form 4562 it adds to, by FormRowKey ("6", "14", "19c HY 200 DB").
    std::vector<std::string> lines;
};

struct BookFigures {
    int year = 0;
    // Rows that cannot be read and repeated ids, one message each, in row order. With any,
    // nothing else is figured.
    std::vector<std::pair<std::size_t, std::string>> errors;
    std::vector<AssetYear> assets;  // the rows read, in book order
    int first_year = 0;             // of `totals`
    std::vector<TotalsRow> totals;  // every tax year any asset depreciates
    Form4562 form;
    std::vector<YearFacts> facts;  // each year placed in service, from kFirstYear on
};

// The year's figures of a register: the mid-quarter test and the section 179 limitation over
// all its assets, then each asset.
BookFigures FigureBook(const Book& book, int year, std::optional<long long> business_income,
                       long long carryover_in, const VehicleLimitTable& limits);

// The whole schedule of one asset of `figures` (a row read without fault), and the asset as
// its row reads.
bool ScheduleOf(const Book& book, std::size_t row, const BookFigures& figures,
                const VehicleLimitTable& limits, AssetInput& asset, Schedule& out,
                std::string& error);

}  // namespace orvane::reg
