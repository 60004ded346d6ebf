#include "limits/data_file.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <tuple>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

// Records 1 to `last` with the year of the second changed to `year`.
std::string SecondIs(const char* year, int last = 3) {
    return Records({1}) + year + Numbered(2).substr(4) + (last == 3 ? Records({3}) : "");
}

std::string Encoded(const VehicleLimitRecord& r) {
    const RecordBytes bytes = EncodeRecord(r);
    return std::string(bytes.data(), bytes.size());
}

TEST(RecordLayout, FieldsSitAtTheirOffsetsPaddedOrCutInTheWesternCodePage) {
    EXPECT_EQ(Encoded({"2004", "7560", "2960", "4800", "2850", "1675", "10610"}),
              "20047560 2960 4800 2850 1675 10610");
    EXPECT_EQ(Encoded({"20045", "10610.5", "", "1", "123456", "", "x"}),
              "200410610     1    12345     x    ");
    const VehicleLimitRecord western{"", "5\xE2\x82\xAC", "\xC3\xA9", "\xE5\xA5\xBD", "", "", ""};
    EXPECT_EQ(Encoded(western).substr(4, 15), "5\x80   \xE9    ?    ");
    const VehicleLimitRecord back = DecodeRecord(EncodeRecord(western));
    EXPECT_EQ(back.FirstYearBonus30Max, "5\xE2\x82\xAC   ");
    EXPECT_EQ(back.FirstYearMax, "\xC3\xA9    ");
    // A short record reads spaces for the missing bytes.
    const std::string stored = "2004 3060 49";
    EXPECT_EQ(DecodeRecord(std::span<const char>(stored.data(), stored.size())),
              (VehicleLimitRecord{"2004", " 3060", " 49  ", "     ", "     ", "     ", "     "}));
}

struct CountCase {
    std::int64_t length;
    std::int32_t records;
};
class RecordCountTest : public ::testing::TestWithParam<CountCase> {};

// (a file's count as it is opened: the tests below)
TEST_P(RecordCountTest, RoundsHalvesToEvenWithAtLeastOne) {
    EXPECT_EQ(RecordCountForLength(GetParam().length), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, RecordCountTest,
    ::testing::ValuesIn(std::vector<CountCase>{
        {0, 1}, {16, 1}, {17, 1}, {35, 1}, {51, 2}, {85, 2}, {86, 3}, {119, 4}, {1020, 30}}));

class DataFileTest : public ::testing::Test {
  protected:
    void Store(std::string_view bytes) { WriteBytes(dir / "AutoMax.DAT", bytes); }
    std::string Stored() { return ReadBytes(dir / "AutoMax.DAT"); }
    void Open(int record = 1) {
        data.editor = &form;
        data.OpenFile("AutoMax.DAT");
        data.CurrentRecord = record;
    }
    // Opens the file on its second record, shown.
    void OpenAtTwo() {
        Open(2);
        data.ShowCurrentRecord();
    }
    void SaveYear(const char* year) {
        form[EditorCtl::txtYear].text = year;
        data.SaveCurrentRecord();
    }
    // The file operation `op` fails with fault `number`.
    void FailAt(const char* op, int number) {
        fs.before = [op, number](std::string_view now) {
            if (now == op) throw FaultOf(number);
        };
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (EditorCtl box : kRecordBoxes)
            texts.push_back(form[box].text);
        return texts;
    }
    void ExpectNotice(std::string_view text) {
        EXPECT_EQ(form[EditorCtl::stbAuto].text, text);
        EXPECT_EQ(form[EditorCtl::stbAuto].fore, kBlue);
        EXPECT_FALSE(form[EditorCtl::stbAuto].bold);
    }

    ScratchFolder dir;
    ScriptedBoxes boxes;
    HookedFileSystem fs;
    LimitEditorControls form;
    DataFile data{dir.path(), boxes, fs};
};

TEST_F(DataFileTest, SearchFindsTheFirstRecordOfTheYearAsStored) {
    Store(Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
          Rec("2004", "7560", "2960", "4800", "2850", "1675", "10610") +
          Rec("2004", "1", "2", "3", "4", "5", "6"));
    Open(2);
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

TEST_F(DataFileTest, ShowTrimsTheFieldsAndCutsABoxAtAZeroByte) {
    Store(Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710") +
          Rec("2004", " 75", "2960", "4800", "2850", "1675", "") + std::string(34, '\0'));
    OpenAtTwo();
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"2004", "75", "2960", "4800", "2850", "1675", ""}));
    EXPECT_EQ(form[EditorCtl::txtYear0].text, "75");
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus30Max, "75");
    data.CurrentRecord = 3;
    data.ShowCurrentRecord();
    EXPECT_EQ(Boxes(), std::vector<std::string>(7, ""));
    EXPECT_EQ(data.RecordBuffer.Year, std::string(4, '\0'));
}

TEST_F(DataFileTest, SaveWritesTheBoxesAsTheCurrentRecord) {
    const std::string first = Rec("2003", "7660", "3060", "4900", "2950", "1775", "10710");
    Store(first + Rec("2004", "1", "2", "3", "4", "5", "6"));
    Open(2);
    const char* typed[] = {"2004", "7560", "2960", "", "2850", "1675", "10610.5"};
    for (std::size_t i = 0; i < kRecordBoxes.size(); ++i)
        form[kRecordBoxes[i]].text = typed[i];
    // The whole record goes out in a single write, which a killed process cannot tear.
    int writes = 0;
    fs.before = [&](std::string_view op) { writes += op == "write"; };
    data.SaveCurrentRecord();
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(Stored(), first + "20047560 2960      2850 1675 10610");
    ExpectNotice("Record Updated.");
    EXPECT_EQ(data.RecordBuffer.FirstYearBonus50Max, "10610");
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DataFileTest, AMissingFileIsCreatedAndSavesPastTheEndLeaveZeroBytes) {
    Open();
    EXPECT_EQ(std::filesystem::file_size(dir / "AutoMax.DAT"), 0u);
    EXPECT_EQ(data.RecordCount, 1);
    form[EditorCtl::txtYear].text = "old";
    data.ShowCurrentRecord();
    EXPECT_EQ(Boxes(), std::vector<std::string>(7, ""));
    EXPECT_TRUE(boxes.shown.empty());
    data.CurrentRecord = 2;
    form[EditorCtl::txtYear].text = "2024";
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored(), std::string(34, '\0') + Rec("2024", "", "", "", "", "", ""));
    data.CurrentRecord = 3;
    data.SaveCurrentRecord();
    EXPECT_EQ(Stored().size(), 102u);
}

// A file operation of the rewrite through Temp.tmp fails: before the temporary file is made,
// while it is open, and once it is closed (a failed save is the full disk test's).
struct FaultCase {
    const char* op;
    int number;
    const char* text;
};
std::string FaultName(const ::testing::TestParamInfo<FaultCase>& info) {
    return info.param.op;
}
class RewriteFaultTest : public DataFileTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RewriteFaultTest, AFailedDeleteLeavesTheFileAndTheScreenAsTheyWere) {
    const auto& [op, number, text] = GetParam();
    const std::string fault = std::to_string(number) + " Error in ";
    Store(Records({1, 2, 3}));
    OpenAtTwo();
    FailAt(op, number);
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Delete current record?", fault + "Delete. " + text}));
    EXPECT_EQ(boxes.shown[1].buttons, MsgButtons::Ok);
    EXPECT_EQ(form[EditorCtl::txtYear].text, "2002");
    EXPECT_EQ(form[EditorCtl::stbAuto].text, "");

    fs.before = nullptr;  // the file is still open and usable
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 3}));
}

INSTANTIATE_TEST_SUITE_P(Steps, RewriteFaultTest,
                         ::testing::Values(FaultCase{"realpath", 53, "File not found"},
                                           FaultCase{"write", 61, "Disk full"},
                                           FaultCase{"replace", 75, "Path/File access error"}),
                         FaultName);

struct stat Lstat(const std::filesystem::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) ADD_FAILURE() << p << ": " << std::strerror(errno);
    return st;
}

// The file as it is met on a system: reached through a link, private to its owner, in a folder
// the user may not write (a save writes in place, in one write: the save test).
TEST_F(DataFileTest, ALinkedFileStaysALinkAndItsTargetTakesTheChanges) {
    ScratchFolder elsewhere;
    WriteBytes(elsewhere / "limits.dat", Records({1, 2, 3}));
    std::filesystem::create_symlink(elsewhere / "limits.dat", dir / "AutoMax.DAT");
    OpenAtTwo();
    SaveYear("1999");
    EXPECT_TRUE(S_ISLNK(Lstat(dir / "AutoMax.DAT").st_mode));
    EXPECT_EQ(ReadBytes(elsewhere / "limits.dat"), SecondIs("1999"));

    data.CurrentRecord = 1;
    data.Delete("AutoMax.DAT");
    EXPECT_TRUE(S_ISLNK(Lstat(dir / "AutoMax.DAT").st_mode));
    EXPECT_EQ(ReadBytes(elsewhere / "limits.dat"), "1999" + Numbered(2).substr(4) + Records({3}));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Delete current record?"});
    EXPECT_EQ(form[EditorCtl::txtYear].text, "1999");
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Temp.tmp"));
}

// A private file stays private, and (where the test may give files away) keeps its owner.
TEST_F(DataFileTest, SaveAndDeleteKeepTheModeAndTheOwner) {
    Store(Records({1, 2, 3}));
    const std::filesystem::path file = dir / "AutoMax.DAT";
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    const struct stat was = Lstat(file);
    OpenAtTwo();
    SaveYear("1999");
    EXPECT_EQ(Lstat(file).st_mode & 07777, 0600u);
    data.Delete("AutoMax.DAT");
    EXPECT_EQ(Stored(), Records({1, 3}));
    const struct stat now = Lstat(file);
    EXPECT_EQ(now.st_mode & 07777, 0600u);
    EXPECT_EQ(now.st_uid, was.st_uid);
    EXPECT_EQ(now.st_gid, was.st_gid);
    if (root) {
        EXPECT_EQ(now.st_uid, 65534u);
    }
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Delete current record?"});
}

// A user who may write the file but not its folder: a save changes the record in place; a
// delete, which needs a new file in the folder, is refused and leaves the file whole.
struct ForeignCase {
    const char* name;
    mode_t mode;
    bool owned_by_user;
};
class ReadOnlyFolderTest : public DataFileTest,
                           public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(ReadOnlyFolderTest, SaveWorksInPlaceAndDeleteIsRefusedWhole) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as a second user";
    const auto& [name, mode, owned_by_user] = GetParam();
    constexpr uid_t kNobody = 65534;
    const std::filesystem::path file = dir / "AutoMax.DAT";
    Store(Records({1, 2, 3}));
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    if (owned_by_user) {
        ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    }

    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(10);
        OpenAtTwo();
        SaveYear("1999");
        if (!boxes.shown.empty() || form[EditorCtl::stbAuto].text != "Record Updated.") ::_exit(11);
        data.CurrentRecord = 1;
        data.Delete("AutoMax.DAT");
        if (boxes.Texts() != std::vector<std::string>{"Delete current record?",
                                                      "70 Error in Delete. Permission denied"})
            ::_exit(12);
        if (form[EditorCtl::stbAuto].text != "Record Updated.") ::_exit(13);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10 no second user, 11 save, 12 delete, 13 screen";
    EXPECT_EQ(ReadBytes(file), SecondIs("1999"));
    EXPECT_EQ(Lstat(file).st_mode & 07777, mode);
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Files, ReadOnlyFolderTest,
                         ::testing::Values(ForeignCase{"OpenToAll", 0666, false},
                                           ForeignCase{"OwnedByTheUser", 0600, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A save or a delete in a child process killed before each of its file operations in turn
// (or, with `tear`, half-way through that operation's write) leaves the old file or the new one.
// A save makes one write, which a kill cannot tear, so it is only killed between operations.
struct CrashCase {
    bool save;
    bool tear;
    int least_kills;  // the operations the routine makes at the least
    int record = 2;   // the record saved or deleted; 5 appends
};
std::string CrashName(const CrashCase& c) {
    return std::string(c.save ? "Save" : "Delete") + (c.record > 4 ? "Appending" : "") +
           (c.tear ? "Torn" : "Killed");
}
class CrashTest : public DataFileTest, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(CrashTest, AKilledRoutineLeavesTheOldFileOrTheNewOne) {
    const auto& [save, tear, least_kills, record] = GetParam();
    const std::string before = Records({1, 2, 3, 4});
    const std::string after = !save         ? Records({1, 3, 4})
                              : record == 2 ? Records({1, 9, 3, 4})
                                            : Records({1, 2, 3, 4, 9});
    int kills = 0;
    for (int stop_at = 1; stop_at < 200; ++stop_at) {
        Store(before);
        std::filesystem::remove(dir / "Temp.tmp");
        const pid_t pid = ::fork();
        if (pid == 0) {
            Open(record);
            data.RecordCount = std::max(data.RecordCount, record);
            const VehicleLimitRecord nine = DecodeRecord(Numbered(9));
            for (std::size_t i = 0; i < kRecordBoxes.size(); ++i)
                form[kRecordBoxes[i]].text = nine.Field(static_cast<int>(i));
            int count = 0;
            fs.before = [&](std::string_view op) {
                if (++count != stop_at) return;
                if (!tear || op != "write") ::raise(SIGKILL);
                fs.after_half_write = [] { ::raise(SIGKILL); };
            };
            if (save) {
                data.SaveCurrentRecord();
                ::_exit(boxes.shown.empty() ? 0 : 3);
            }
            data.Delete("AutoMax.DAT");
            ::_exit(boxes.shown.size() == 1 ? 0 : 3);  // the question only
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        const std::string now = Stored();
        EXPECT_TRUE(now == before || now == after) << "killed at operation " << stop_at;
        if (!WIFSIGNALED(status)) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            EXPECT_EQ(now, after);
            break;
        }
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        ++kills;
    }
    EXPECT_GE(kills, least_kills);
}

INSTANTIATE_TEST_SUITE_P(Routines, CrashTest,
                         ::testing::Values(CrashCase{true, false, 2}, CrashCase{true, false, 4, 5},
                                           CrashCase{false, false, 9}, CrashCase{false, true, 9}),
                         [](const auto& info) { return CrashName(info.param); });

}  // namespace
}  // namespace orvane
