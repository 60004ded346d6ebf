#include "limits/limit_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "base/numtext.h"
#include "limits/vehicle_limit_files.h"
#include "limits_test_support.h"

namespace orvane {
namespace {

using testing::ReadBytes;
using testing::Rec;
using testing::ScratchFolder;

constexpr std::string_view kHeader =
    "kind,year,FirstYearBonus30Max,FirstYearMax,SecondYearMax,ThirdYearMax,FourthYearMax,"
    "FirstYearBonus50Max,status,source,note\n";

std::vector<LimitTableRow> Read(const std::string& text) {
    std::istringstream in(text);
    return ReadLimitTable(in);
}

TEST(LimitTable, ReadsRowsWithQuotedNotesAndSkipsComments) {
    auto rows = Read("# yearly limits\n" + std::string(kHeader) +
                     "A,2004,7560,2960,4800,2850,1675,10610,derived,\"a, b\",\"say \"\"hi\"\"\"\n"
                     "E,2004,,8880,,8550,,,incomplete,x,\r\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].kind, 'A');
    EXPECT_EQ(rows[0].record,
              (VehicleLimitRecord{"2004", "7560", "2960", "4800", "2850", "1675", "10610"}));
    EXPECT_EQ(rows[0].status, "derived");
    EXPECT_EQ(rows[1].record.FirstYearBonus30Max, "");
    EXPECT_EQ(rows[1].status, "incomplete");
    EXPECT_TRUE(Shippable(rows[0]));
    EXPECT_FALSE(Shippable(rows[1]));
}

TEST(LimitTable, RejectsMalformedRowsNamingTheLine) {
    for (const std::string& bad : {
             std::string(kHeader) + "X,2004,0,1,2,3,4,5,verified\n",
             std::string(kHeader) + "A,2004,0,1,2,3,4,123456,verified\n",
             std::string(kHeader) + "A,2004,0,1,2\n",
             std::string(kHeader) + "A,2004,0,1,2,3,4,5,\"verified\n",
         }) {
        try {
            Read(bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("line 2: ", 0), 0u) << e.what();
        }
    }
    EXPECT_THROW(Read("kind,year,FirstYearMax\n"), std::runtime_error);
}

TEST(LimitTable, WritesOnlyShippableRowsOfEachKindInTheirOrder) {
    auto rows = Read(std::string(kHeader) +
                     "A,2005,0,2960,4700,2850,1675,0,verified,s,\n"
                     "T,2004,7860,3260,5300,3150,1875,10910,derived,s,\n"
                     "A,2026,0,12300,19800,11900,7160,20300,unverified,s,\n"
                     "A,2003,7660,3060,4900,2950,1775,10710,verified,s,\n");
    ScratchFolder dir;
    WriteLimitFiles(rows, dir.path());
    EXPECT_EQ(ReadBytes(dir / "AutoMax.DAT"),
              Rec("2005", "0", "2960", "4700", "2850", "1675", "0") +
                  Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710"));
    EXPECT_EQ(ReadBytes(dir / "TruckMax.DAT"),
              Rec("2004", "7860", "3260", "5300", "3150", "1875", "10910"));
    EXPECT_EQ(ReadBytes(dir / "Electric.DAT"), "");
}

// The files made at build time from the table the program ships.
TEST(ShippedLimitFiles, HoldEveryShippableRowAndNothingElse) {
    std::ifstream in(ORVANE_TEST_LIMIT_TABLE);
    ASSERT_TRUE(in) << ORVANE_TEST_LIMIT_TABLE;
    auto rows = ReadLimitTable(in);
    for (char kind : {'A', 'E', 'T'}) {
        const std::string file =
            (std::filesystem::path(ORVANE_TEST_LIMIT_FILES_DIR) / LimitFileForKind(kind)).string();
        const std::string stored = ReadBytes(file);
        std::string expected;
        std::set<std::string> years;
        for (const LimitTableRow& row : rows) {
            if (row.kind != kind) continue;
            if (!Shippable(row)) {
                EXPECT_EQ(stored.find(row.record.Year), std::string::npos)
                    << kind << " " << row.record.Year << " is " << row.status;
                continue;
            }
            const RecordBytes bytes = EncodeRecord(row.record);
            expected.append(bytes.data(), bytes.size());
            // Each shipped year is there once, and its amounts read as numbers.
            EXPECT_TRUE(years.insert(row.record.Year).second) << kind << row.record.Year;
            for (int i = 1; i < VehicleLimitRecord::kFieldCount; ++i) {
                EXPECT_NO_THROW(CDbl(row.record.Field(i))) << kind << row.record.Year;
            }
        }
        EXPECT_EQ(stored, expected) << file;
        EXPECT_FALSE(stored.empty()) << file;
    }
}

}  // namespace
}  // namespace orvane
