// The register's reader: RFC 4180 records and rows numbered as a spreadsheet shows them, read
// the same in any piece size; columns found by name; and the message each kind of bad cell
// gets.

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "register/csv.h"
#include "register/row_reader.h"

namespace orvane::reg {
namespace {

struct Read {
    std::vector<std::string> texts;
    std::vector<int> rows;
    std::vector<bool> too_long;
};

Read ReadAll(const std::string& bytes, CsvLimits limits) {
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    CsvReader reader(f, limits);
    CsvBlock block;
    Read r;
    while (reader.Fill(block)) {
        for (std::size_t i = 0; i < block.count; ++i) {
            r.texts.emplace_back(block.records[i].text);
            r.rows.push_back(block.records[i].row);
            r.too_long.push_back(block.records[i].too_long);
        }
    }
    std::fclose(f);
    return r;
}

TEST(RegisterCsv, RecordsAndRowsInAnyPieceSize) {
    const std::string file =
        "id,description\r\nA,\"two\nlines\"\n\nB,\"a \"\"quote\"\", a comma\"\r\nC,last";
    for (std::size_t piece : {1, 2, 7, 4096}) {
        CsvLimits limits;
        limits.piece = piece;
        limits.block_records = 2;
        const Read r = ReadAll(file, limits);
        ASSERT_EQ(r.texts.size(), 4u) << piece;
        EXPECT_EQ(r.texts[1], "A,\"two\nlines\"");
        // The line break inside quotes stays in row 2; the empty line is row 3.
        EXPECT_EQ(r.rows, (std::vector<int>{1, 2, 4, 5})) << piece;
        EXPECT_EQ(r.texts[3], "C,last");
    }
}

TEST(RegisterCsv, ARecordTooLongIsReportedAndSkipped) {
    CsvLimits limits;
    limits.max_record = 16;
    limits.piece = 5;
    const Read r = ReadAll("id\nshort\n" + std::string(100, 'x') + "\nafter\n", limits);
    ASSERT_EQ(r.texts.size(), 4u);
    EXPECT_TRUE(r.too_long[2]);
    EXPECT_EQ(r.rows[3], 4);
    EXPECT_EQ(r.texts[3], "after");
    // An unterminated quote runs to the end of the file: one record, too long.
    const Read open = ReadAll("id\n\"" + std::string(100, 'y') + "\nz\n", limits);
    ASSERT_EQ(open.texts.size(), 2u);
    EXPECT_TRUE(open.too_long[1]);
}

TEST(RegisterCsv, FieldsLoseTheirQuotes) {
    std::vector<std::string_view> fields;
    std::string scratch;
    CsvFieldError error;
    ASSERT_TRUE(SplitRecord("a, \"b,c\" ,\"d\"\"e\",", fields, scratch, error));
    EXPECT_EQ(fields, (std::vector<std::string_view>{"a", "b,c", "d\"e", ""}));
    const std::pair<std::string_view, std::size_t> bad[] = {
        {"a,b\"c,d", 1}, {"\"ab\"c,d", 0}, {"a,\"never closed", 1}};
    for (const auto& [record, field] : bad) {
        EXPECT_FALSE(SplitRecord(record, fields, scratch, error)) << record;
        EXPECT_EQ(error.field, field) << record;
    }
}

TEST(RegisterHeader, ColumnsByNameInAnyOrder) {
    Header h;
    std::vector<std::string> errors;
    const std::vector<std::string_view> names = {"\xEF\xBB\xBF Cost ", "COLOR", "Placed_In_Service",
                                                 "id"};
    ASSERT_TRUE(ReadHeader(names, h, errors));
    EXPECT_EQ(h.field_of_column[static_cast<std::size_t>(Column::Cost)], 0);
    EXPECT_EQ(h.field_of_column[static_cast<std::size_t>(Column::Id)], 3);
    EXPECT_EQ(h.ignored, (std::vector<std::string>{"COLOR"}));
    const std::vector<std::string_view> twice = {"id", "cost", "placed_in_service", "cost"};
    EXPECT_FALSE(ReadHeader(twice, h, errors));
    EXPECT_EQ(errors.back(), "row 1: cost: found 'cost', expected each column once");
    errors.clear();
    EXPECT_FALSE(ReadHeader(std::vector<std::string_view>{"id", "cost"}, h, errors));
    EXPECT_EQ(errors.back(),
              "row 1: placed_in_service: found no such column, expected one (id, "
              "placed_in_service and cost are required)");
}

TEST(RegisterRow, EachBadCellSaysWhatWasExpected) {
    Header h;
    std::vector<std::string> errors;
    const std::vector<std::string_view> names = {
        "id", "placed_in_service", "cost", "property", "recovery", "business_use", "allowance"};
    ASSERT_TRUE(ReadHeader(names, h, errors));
    const VehicleLimitTable limits;
    const std::pair<std::vector<std::string_view>, std::string_view> cases[] = {
        {{"", "2024-01-01", "10", "", "5"}, "row 7: id: found '', expected an id"},
        {{"A", "1986-12-31", "10", "", "5"},
         "row 7: placed_in_service: found '1986-12-31', expected a date in 1987 or later (MACRS "
         "property)"},
        {{"A", "2024-02-30", "10", "", "5"},
         "row 7: placed_in_service: found '2024-02-30', expected a date as YYYY-MM-DD"},
        {{"A", "2024-01-01", "$1,000", "", "5"},
         "row 7: cost: found '$1,000', expected an amount such as 1234.56 (no $ or thousands "
         "separators)"},
        {{"A", "2024-01-01", "10.001", "", "5"},
         "row 7: cost: found '10.001', expected an amount in dollars and cents (at most two "
         "decimals)"},
        {{"A", "2024-01-01", "-5", "", "5"},
         "row 7: cost: found '-5', expected an amount of 0 or more"},
        {{"A", "2024-01-01", "10", "boat", "5"},
         "row 7: property: found 'boat', expected personal, residential, nonresidential, qip, "
         "auto, truck, suv or land"},
        {{"A", "2024-01-01", "10", "", "5", "120"},
         "row 7: business_use: found '120', expected a percent of 100 or less"},
        {{"A", "2024-01-01", "10", "", "5", "", "150"},
         "row 7: allowance: found '150', expected a percent of 100 or less"},
        {{"A", "2024-01-01", "10", "", "6"},
         "row 7: recovery: found '6', expected 3, 5, 7, 10, 15, 20 or 25 under GDS"},
        {{"A", "2024-01-01", "10", "auto", ""},
         "row 7: placed_in_service: found '2024-01-01', expected a year the vehicle limit files "
         "hold (Tools, limit editor)"},
        {{"A", "2024-06-01", "10", "", "7", "", "55"},
         "row 7: allowance: found '55', expected auto (60% from the dates), none or 0"},
        {{"A", "2024-01-01", "10", "", "5", "", "", "x"},
         "row 7: found 8 fields, expected at most 7 (one for each column of the header)"},
    };
    for (const auto& [fields, message] : cases) {
        AssetInput a;
        RowTexts texts;
        std::string error;
        EXPECT_FALSE(ReadRow(h, fields, 7, limits, a, texts, error)) << message;
        EXPECT_EQ(error, message);
    }
    AssetInput a;
    RowTexts texts;
    std::string error;
    ASSERT_TRUE(ReadRow(h, std::vector<std::string_view>{" A7 ", "2024-03-01", "1234.5", "QIP"}, 7,
                        limits, a, texts, error))
        << error;
    EXPECT_EQ(texts.id, "A7");
    EXPECT_EQ(a.cost, 123450);
    EXPECT_EQ(a.kind, Kind::Qip);
}

}  // namespace
}  // namespace orvane::reg
