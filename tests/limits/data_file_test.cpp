#include "limits/data_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>

#include "limits_test_support.h"

namespace orvane {
namespace {

using testing::HookedFileSystem;
using testing::ReadBytes;
using testing::Rec;
using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::WriteBytes;

// --- Record layout ---------------------------------------------------------------------------

TEST(RecordLayout, EncodesFieldsAtTheirOffsetsPaddedWithSpaces) {
    VehicleLimitRecord r{"2004", "7560", "2960", "4800", "2850", "1675", "10610"};
    const RecordBytes bytes = EncodeRecord(r);
    EXPECT_EQ(std::string(bytes.data(), bytes.size()), "20047560 2960 4800 2850 1675 10610");
}

TEST(RecordLayout, CutsLongTextAndStoresEmptyFieldsAsSpaces) {
    VehicleLimitRecord r{"20045", "10610.5", "", "1", "123456", "", "x"};
    const RecordBytes bytes = EncodeRecord(r);
    EXPECT_EQ(std::string(bytes.data(), bytes.size()), "200410610     1    12345     x    ");
}

TEST(RecordLayout, FieldsUseTheWesternCodePage) {
    VehicleLimitRecord r{"",
                         "\xE2\x82\xAC"
                         "5",
                         "\xC3\xA9",
                         "\xE5\xA5\xBD",
                         "",
                         "",
                         ""};
    const RecordBytes bytes = EncodeRecord(r);
    EXPECT_EQ(std::string(bytes.data() + 4, 15),
              "\x80"
              "5   \xE9    ?    ");
    VehicleLimitRecord back = DecodeRecord(bytes);
    EXPECT_EQ(back.FirstYearBonus30Max,
              "\xE2\x82\xAC"
              "5   ");
    EXPECT_EQ(back.FirstYearMax, "\xC3\xA9    ");
}

TEST(RecordLayout, DecodesAShortRecordWithSpacesForTheMissingBytes) {
    std::string stored = "2004 3060 49";
    VehicleLimitRecord r = DecodeRecord(std::span<const char>(stored.data(), stored.size()));
    EXPECT_EQ(r.Year, "2004");
    EXPECT_EQ(r.FirstYearBonus30Max, " 3060");
    EXPECT_EQ(r.FirstYearMax, " 49  ");
    EXPECT_EQ(r.FirstYearBonus50Max, "     ");
}

// --- Record count ----------------------------------------------------------------------------

struct CountCase {
    std::int64_t length;
    std::int32_t records;
};
class RecordCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecordCountTest, RoundsHalvesToEvenWithAtLeastOne) {
    EXPECT_EQ(RecordCountForLength(GetParam().length), GetParam().records);
}

TEST_P(RecordCountTest, OpenFileCountsTheRecordsOfTheFileOnDisk) {
    ScratchFolder dir;
    WriteBytes(dir / "AutoMax.DAT", std::string(static_cast<std::size_t>(GetParam().length), 'x'));
    ScriptedBoxes boxes;
    DataFile data(dir.path(), boxes);
    data.OpenFile("AutoMax.DAT");
    EXPECT_EQ(data.RecordCount, GetParam().records);
    EXPECT_EQ(data.CurrentRecord, 1);
    EXPECT_EQ(data.RecordLength, 34);
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, RecordCountTest,
                         ::testing::Values(CountCase{0, 1}, CountCase{16, 1}, CountCase{17, 1},
                                           CountCase{34, 1}, CountCase{35, 1}, CountCase{51, 2},
                                           CountCase{68, 2}, CountCase{85, 2}, CountCase{86, 3},
                                           CountCase{119, 4}, CountCase{153, 4},
                                           CountCase{1020, 30}));

// --- Opening, searching, showing -------------------------------------------------------------

class DataFileTest : public ::testing::Test {
  protected:
    void Store(std::string_view bytes) { WriteBytes(dir / "AutoMax.DAT", bytes); }
    std::string Stored() { return ReadBytes(dir / "AutoMax.DAT"); }
    void Open() {
        data.editor = &form;
        data.OpenFile("AutoMax.DAT");
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (Ed box : kRecordBoxes)
            texts.push_back(form[box].text);
        return texts;
    }
    void Type(Ed box, std::string text) { form[box].text = std::move(text); }

    ScratchFolder dir;
    ScriptedBoxes boxes;
    HookedFileSystem fs;
    AutoMaxForm form;
    DataFile data{dir.path(), boxes, fs};
};

TEST_F(DataFileTest, OpenCreatesAMissingFileThatShowsOneBlankRecord) {
    Open();
    EXPECT_TRUE(std::filesystem::exists(dir / "AutoMax.DAT"));
    EXPECT_EQ(std::filesystem::file_size(dir / "AutoMax.DAT"), 0u);
    EXPECT_EQ(data.RecordCount, 1);
    form[Ed::txtYear].text = "old";
    data.ShowCurrentRecord();
    EXPECT_EQ(Boxes(), std::vector<std::string>(7, ""));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DataFileTest, OpenInAMissingFolderSaysCantOpenTwice) {
    DataFile nowhere(dir / "missing", boxes);
    nowhere.OpenFile("AutoMax.DAT");
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Can't open file.", "Can't open file."}));
    EXPECT_EQ(boxes.shown[0].title, "");  // the application title
    EXPECT_EQ(nowhere.RecordCount, 1);
    EXPECT_EQ(nowhere.CurrentRecord, 1);
    boxes.shown.clear();
    EXPECT_FALSE(nowhere.SearchFile("2004"));
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"52 Error in SearchFile Bad file name or number"});
}

TEST_F(DataFileTest, SearchFindsTheFirstRecordOfTheYearAsStored) {
    Store(Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
          Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610") +
          Rec("2004", "1", "2", "3", "4", "5", "6"));
    Open();
    data.CurrentRecord = 2;
    ASSERT_TRUE(data.SearchFile("2004"));
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus30Max, "7560 ");
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus50Max, "10610");
    EXPECT_EQ(data.CurrentRecord, 2);
    for (std::string_view miss : {"04", "2004 ", " 2004", "2005", ""}) {
        EXPECT_FALSE(data.SearchFile(miss)) << "'" << miss << "'";
        EXPECT_EQ(data.RecordBuffer.FirstYearBonus30Max, "1    ");  // the last record read
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DataFileTest, ShowTrimsTheFieldsIntoTheBoxesAndTheBuffer) {
    Store(Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
          Rec("2004", " 75", "2960", "4800", "2850", "1675", ""));
    Open();
    data.CurrentRecord = 2;
    data.ShowCurrentRecord();
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"2004", "75", "2960", "4800", "2850", "1675", ""}));
    EXPECT_EQ(form[Ed::txtYear5].text, "");
    EXPECT_EQ(form[Ed::txtYear0].text, "75");
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus30Max, "75");
}

TEST_F(DataFileTest, ShowCutsABoxAtAZeroByte) {
    Store(std::string(34, '\0'));
    Open();
    data.ShowCurrentRecord();
    EXPECT_EQ(Boxes(), std::vector<std::string>(7, ""));
    EXPECT_EQ(data.RecordBuffer.Year, std::string(4, '\0'));
}

// --- Saving ----------------------------------------------------------------------------------

TEST_F(DataFileTest, SaveWritesTheBoxesAsTheCurrentRecord) {
    Store(Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
          Rec("2004", "1", "2", "3", "4", "5", "6"));
    Open();
    data.CurrentRecord = 2;
    Type(Ed::txtYear, "2004");
    Type(Ed::txtYear0, "7560");
    Type(Ed::txtYear5, "10610.5");
    Type(Ed::txtYear1, "2960");
    Type(Ed::txtYear2, "");
    Type(Ed::txtYear3, "2850");
    Type(Ed::txtYear4, "1675");
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored(), Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
                            "20047560 2960      2850 1675 10610");
    EXPECT_EQ(form[Ed::stbAuto].text, "Record Updated.");
    EXPECT_EQ(form[Ed::stbAuto].fore, kBlue);
    EXPECT_FALSE(form[Ed::stbAuto].bold);
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus50Max, "10610");
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_TRUE(boxes.shown.empty());

    // The file stays readable and writable under the same open.
    data.CurrentRecord = 1;
    data.ShowCurrentRecord();
    EXPECT_EQ(form[Ed::txtYear].text, "2003");
    Type(Ed::txtYear0, "0");
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored().substr(0, 9), "20030    ");
    EXPECT_TRUE(data.SearchFile("2004"));
}

TEST_F(DataFileTest, SaveOnePastTheEndAppendsAndFurtherOnLeavesZeroBytes) {
    Open();
    data.CurrentRecord = 2;
    Type(Ed::txtYear, "2024");
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored(), std::string(34, '\0') + Rec("2024", "", "", "", "", "", ""));
    data.CurrentRecord = 3;
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored().size(), 102u);
}

// --- Deleting --------------------------------------------------------------------------------

std::string Numbered(int n) {
    std::string year = std::to_string(2000 + n);
    return Rec(year, std::to_string(n), "3060", "4900", "2950", "1775", "0");
}

std::string Records(std::initializer_list<int> numbers) {
    std::string bytes;
    for (int n : numbers)
        bytes += Numbered(n);
    return bytes;
}

struct DeleteCase {
    int count;
    int current;
    std::string survivors;  // record numbers left, as digits
    int shown;              // the record shown afterwards
};
class DeleteTest : public DataFileTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, RewritesTheSurvivorsAndShowsTheRecordAtThePlace) {
    const DeleteCase& c = GetParam();
    std::string before;
    for (int n = 1; n <= c.count; ++n)
        before += Numbered(n);
    Store(before);
    Open();
    data.CurrentRecord = c.current;
    data.Delete("AutoMax.DAT");
    std::string after;
    for (char digit : c.survivors)
        after += Numbered(digit - '0');
    EXPECT_EQ(Stored(), after);
    EXPECT_EQ(data.RecordCount, std::max<int>(1, static_cast<int>(c.survivors.size())));
    EXPECT_EQ(data.CurrentRecord, c.shown);
    EXPECT_EQ(form[Ed::txtYear].text,
              c.survivors.empty() ? "" : std::to_string(2000 + c.survivors[c.shown - 1] - '0'));
    EXPECT_EQ(form[Ed::stbAuto].text, "Record Deleted");
    EXPECT_EQ(form[Ed::stbAuto].fore, kBlue);
    EXPECT_FALSE(form[Ed::stbAuto].bold);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Delete current record?"});
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Positions, DeleteTest,
                         ::testing::Values(DeleteCase{5, 2, "1345", 2}, DeleteCase{5, 5, "1234", 4},
                                           DeleteCase{5, 1, "2345", 1}, DeleteCase{1, 1, "", 1},
                                           DeleteCase{2, 2, "1", 1}));

TEST_F(DataFileTest, AnsweringNoOrCancelChangesNothing) {
    Store(Records({1, 2, 3}));
    Open();
    data.CurrentRecord = 2;
    data.ShowCurrentRecord();
    form[Ed::stbAuto].text = "before";
    boxes.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    for (int i = 0; i < 2; ++i)
        data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 2, 3}));
    EXPECT_EQ(form[Ed::txtYear].text, "2002");
    EXPECT_EQ(form[Ed::stbAuto].text, "before");
    EXPECT_EQ(data.CurrentRecord, 2);
    EXPECT_EQ(data.RecordCount, 3);
}

TEST_F(DataFileTest, ALeftoverTempFileIsRemovedBeforeTheDelete) {
    Store(Records({1, 2, 3}));
    WriteBytes(dir / "Temp.tmp", Records({7, 8, 9, 9}));
    Open();
    data.CurrentRecord = 3;
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 2}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
}

TEST_F(DataFileTest, PositionsPastTheEndHaveNothingToCopy) {
    // A 17-byte tail after two records is not counted (2.5 rounds to 2) but is kept byte for
    // byte; positions made room for by Add and never saved add nothing.
    Store(Records({1, 2}) + Numbered(3).substr(0, 17));
    Open();
    EXPECT_EQ(data.RecordCount, 2);
    data.RecordCount = 4;
    data.CurrentRecord = 1;
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Numbered(2) + Numbered(3).substr(0, 17));
    EXPECT_EQ(data.RecordCount, 2);  // 51 bytes
}

// --- Faults ----------------------------------------------------------------------------------

struct FaultCase {
    const char* op;
    const char* path_tail;
    int number;
    const char* delete_message;
    const char* save_message;
};
class RewriteFaultTest : public DataFileTest, public ::testing::WithParamInterface<FaultCase> {
  protected:
    void SetUp() override {
        Store(Records({1, 2, 3}));
        Open();
        data.CurrentRecord = 2;
        data.ShowCurrentRecord();
        const FaultCase& c = GetParam();
        fs.before = [c](std::string_view op, const std::string& path) {
            if (op == c.op && testing::EndsWith(path, c.path_tail)) throw Fault(c.number);
        };
    }
};

TEST_P(RewriteFaultTest, AFailedDeleteLeavesTheFileAndTheScreenAsTheyWere) {
    form[Ed::stbAuto].text.clear();
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Delete current record?", GetParam().delete_message}));
    EXPECT_EQ(boxes.shown[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(form[Ed::txtYear].text, "2002");
    EXPECT_EQ(form[Ed::stbAuto].text, "");
    fs.before = nullptr;  // the file is still open and usable
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 3}));
}

TEST_P(RewriteFaultTest, AFailedSaveLeavesTheFileAsItWas) {
    form[Ed::txtYear].text = "1999";
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored(), Records({1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{GetParam().save_message});
    // The save goes on with its next step after reporting the fault.
    EXPECT_EQ(form[Ed::stbAuto].text, "Record Updated.");
    fs.before = nullptr;
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored(), Numbered(1) + "1999" + Numbered(2).substr(4) + Numbered(3));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RewriteFaultTest,
    ::testing::Values(FaultCase{"write", "Temp.tmp", 61, "61 Error in Delete. Disk full",
                                "61 Error in SaveCurrentRecord. Disk full"},
                      FaultCase{"open", "Temp.tmp", 70, "70 Error in Delete. Permission denied",
                                "70 Error in SaveCurrentRecord. Permission denied"},
                      FaultCase{"sync", "Temp.tmp", 57, "57 Error in Delete. Device I/O error",
                                "57 Error in SaveCurrentRecord. Device I/O error"},
                      FaultCase{"close", "Temp.tmp", 61, "61 Error in Delete. Disk full",
                                "61 Error in SaveCurrentRecord. Disk full"},
                      FaultCase{"replace", "Temp.tmp", 75,
                                "75 Error in Delete. Path/File access error",
                                "75 Error in SaveCurrentRecord. Path/File access error"},
                      FaultCase{"read", "AutoMax.DAT", 57, "57 Error in Delete. Device I/O error",
                                "57 Error in SaveCurrentRecord. Device I/O error"}));

TEST_F(DataFileTest, ReadAndCloseFaultsAreReportedInTheirRoutinesShape) {
    Store(Records({1, 2}));
    Open();
    fs.before = [](std::string_view op, const std::string&) {
        if (op == "read" || op == "close") throw Fault(57);
    };
    data.ShowCurrentRecord();
    EXPECT_FALSE(data.SearchFile("2002"));
    data.CloseFile();
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"57 Error in ShowCurrentRecord. Device I/O error",
                                        "57 Error in SearchFile Device I/O error",
                                        "57 Error in SearchFile Device I/O error",
                                        "57 Error in CloseFile Device I/O error"}));
}

// --- Crashes ---------------------------------------------------------------------------------

// Runs `work` in a child process that is killed before its `stop_at`-th file operation (or, with
// `tear`, half-way through that operation's write). Returns true when the child was killed,
// false when it finished first; `work` tells whether it went without a fault.
bool RunAndKill(const std::filesystem::path& folder, int stop_at, bool tear,
                const std::function<bool(DataFile&, const ScriptedBoxes&)>& work) {
    pid_t pid = ::fork();
    if (pid == 0) {
        HookedFileSystem fs;
        ScriptedBoxes boxes;
        AutoMaxForm form;
        DataFile data(folder, boxes, fs);
        data.editor = &form;
        data.OpenFile("AutoMax.DAT");
        int count = 0;
        auto kill = [](std::string_view, const std::string&) { ::raise(SIGKILL); };
        fs.before = [&](std::string_view op, const std::string& path) {
            if (++count != stop_at) return;
            if (tear && op == "write") {
                fs.after_half_write = kill;
            } else {
                kill(op, path);
            }
        };
        ::_exit(work(data, boxes) ? 0 : 3);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        return true;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return false;
}

class CrashTest : public ::testing::TestWithParam<bool> {};

TEST_P(CrashTest, AKilledDeleteLeavesTheOldFileOrTheNewOne) {
    const bool tear = GetParam();
    const std::string before = Records({1, 2, 3, 4});
    const std::string after = Records({1, 3, 4});
    int kills = 0;
    for (int stop_at = 1; stop_at < 200; ++stop_at) {
        ScratchFolder dir;
        WriteBytes(dir / "AutoMax.DAT", before);
        bool killed =
            RunAndKill(dir.path(), stop_at, tear, [](DataFile& data, const ScriptedBoxes& boxes) {
                data.CurrentRecord = 2;
                data.Delete("AutoMax.DAT");
                return boxes.shown.size() == 1;  // the question only
            });
        const std::string now = ReadBytes(dir / "AutoMax.DAT");
        EXPECT_TRUE(now == before || now == after) << "killed at operation " << stop_at;
        if (!killed) {
            EXPECT_EQ(now, after);
            break;
        }
        ++kills;
        // The next delete starts clean whatever the killed one left behind.
        ScriptedBoxes boxes;
        DataFile data(dir.path(), boxes);
        data.OpenFile("AutoMax.DAT");
        data.CurrentRecord = data.RecordCount;
        data.Delete("AutoMax.DAT");
        EXPECT_EQ(ReadBytes(dir / "AutoMax.DAT"), now.substr(0, now.size() - 34));
        EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    }
    EXPECT_GT(kills, 8);
}

TEST_P(CrashTest, AKilledSaveLeavesTheOldFileOrTheNewOne) {
    const bool tear = GetParam();
    const std::string before = Records({1, 2, 3});
    const std::string after =
        Records({1}) + Rec("1999", "9", "9", "9", "9", "9", "9") + Records({3});
    int kills = 0;
    for (int stop_at = 1; stop_at < 200; ++stop_at) {
        ScratchFolder dir;
        WriteBytes(dir / "AutoMax.DAT", before);
        bool killed =
            RunAndKill(dir.path(), stop_at, tear, [](DataFile& data, const ScriptedBoxes& boxes) {
                data.CurrentRecord = 2;
                data.editor->SetBoxText(Ed::txtYear, "1999");
                for (Ed box : {Ed::txtYear0, Ed::txtYear1, Ed::txtYear2, Ed::txtYear3, Ed::txtYear4,
                               Ed::txtYear5}) {
                    data.editor->SetBoxText(box, "9");
                }
                data.SaveCurrentRecord();
                return boxes.shown.empty();
            });
        const std::string now = ReadBytes(dir / "AutoMax.DAT");
        EXPECT_TRUE(now == before || now == after) << "killed at operation " << stop_at;
        if (!killed) {
            EXPECT_EQ(now, after);
            EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
            break;
        }
        ++kills;
    }
    EXPECT_GT(kills, 5);
}

INSTANTIATE_TEST_SUITE_P(KillOrTear, CrashTest, ::testing::Bool());

}  // namespace
}  // namespace orvane
