// The register's reader: RFC 4180 records and rows numbered as a spreadsheet shows them, read
// the same in any piece size (the header, the fields and each bad cell's message are golden
// command-line cases in register_faults.t).

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "register/csv.h"

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

}  // namespace
}  // namespace orvane::reg
