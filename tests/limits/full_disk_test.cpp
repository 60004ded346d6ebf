// A save that makes a limit file longer, on a disk that is full: the file keeps whole records
// only, the fault is reported, and once there is room again the same save goes through.

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

constexpr std::string_view kDiskFullMessage = "61 Error in SaveCurrentRecord. Disk full";

// Types record 9 into the editor's boxes.
void TypeNine(LimitEditorControls& form) {
    const VehicleLimitRecord nine = DecodeRecord(Numbered(9));
    for (std::size_t i = 0; i < kRecordBoxes.size(); ++i)
        form[kRecordBoxes[i]].text = nine.Field(static_cast<int>(i));
}

struct AppendFault {
    const char* name;
    const char* op;     // the operation that finds the disk full
    bool half_written;  // the write stores the first half of the record before it fails
    int record;         // the record saved, past the three whole records of the file
    const char* tail;   // a part record after the three whole ones
};
void PrintTo(const AppendFault& c, std::ostream* os) {
    *os << c.name;
}

class AppendFaultTest : public ::testing::TestWithParam<AppendFault> {
  protected:
    ScratchFolder dir;
    ScriptedBoxes boxes;
    HookedFileSystem fs;
    LimitEditorControls form;
    DataFile data{dir.path(), boxes, fs};
};

TEST_P(AppendFaultTest, TheFileIsLeftAsItWasAndTheSameSaveWorksOnceThereIsRoom) {
    const AppendFault& c = GetParam();
    const std::filesystem::path file = dir / "AutoMax.DAT";
    const std::string before = Records({1, 2, 3}) + c.tail;
    WriteBytes(file, before);
    data.editor = &form;
    data.OpenFile("AutoMax.DAT");
    // As Add leaves them.
    data.RecordCount = c.record;
    data.CurrentRecord = c.record;
    TypeNine(form);
    bool full = false;
    fs.before = [&](std::string_view op) {
        fs.after_half_write = nullptr;
        if (op != c.op || full) return;
        full = true;
        if (!c.half_written) throw FaultOf(fault::kDiskFull);
        fs.after_half_write = [] { throw FaultOf(fault::kDiskFull); };
    };
    data.SaveCurrentRecord();
    EXPECT_TRUE(full);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{std::string(kDiskFullMessage)});
    // Like every routine of the module, the save goes on to its last step after the report.
    EXPECT_EQ(form[EditorCtl::stbAuto].text, "Record Updated.");

    fs.before = nullptr;
    data.SaveCurrentRecord();
    std::string after = Records({1, 2, 3}) + c.tail;
    after.resize(static_cast<std::size_t>(c.record - 1) * kRecordLength, '\0');
    EXPECT_EQ(ReadBytes(file), after + Numbered(9));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Steps, AppendFaultTest,
                         ::testing::Values(AppendFault{"NoRoomToSetAside", "reserve", false, 4, ""},
                                           AppendFault{"WriteStopsHalfWay", "write", true, 4, ""},
                                           AppendFault{"SyncFails", "sync", false, 4, ""},
                                           AppendFault{"PastUnsavedRecords", "write", true, 6, ""},
                                           AppendFault{"OverAPartRecord", "write", true, 4,
                                                       "2004 part record "}),
                         [](const auto& info) { return std::string(info.param.name); });

// The same on a real file system of 64 KiB filled to the last byte, in a child process with a
// mount of its own. The file of 120 records fills 4080 bytes of its first 4096-byte page, so a
// plain write of the 121st record would store 16 bytes before the disk is full.
TEST(FullDisk, AnAppendOnAFullTmpfsLeavesTheFileWhole) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount a small file system";
    ScratchFolder dir;
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        std::string records;
        for (int n = 0; n < 120; ++n)
            records += Numbered(n % 10);
        WriteBytes(dir / "AutoMax.DAT", records);
        WriteBytes(dir / "filler", std::string(64 * 1024, 'f'));
        ScriptedBoxes boxes;
        LimitEditorControls form;
        DataFile data(dir.path(), boxes);
        data.editor = &form;
        data.OpenFile("AutoMax.DAT");
        data.RecordCount = 121;
        data.CurrentRecord = 121;
        TypeNine(form);
        data.SaveCurrentRecord();
        if (boxes.Texts() != std::vector<std::string>{std::string(kDiskFullMessage)}) ::_exit(10);
        if (ReadBytes(dir / "AutoMax.DAT") != records) ::_exit(11);
        std::filesystem::remove(dir / "filler");
        data.SaveCurrentRecord();
        if (boxes.shown.size() != 1 || ReadBytes(dir / "AutoMax.DAT") != records + Numbered(9))
            ::_exit(12);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no tmpfs could be mounted here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10 no fault reported, 11 file changed, 12 no save after";
}

}  // namespace
}  // namespace orvane
