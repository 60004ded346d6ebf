#include <gtest/gtest.h>

#include <sys/stat.h>
#include <map>
#include <ostream>
#include <set>

#include "help/about_window_model.h"
#include "help/sys_info.h"
#include "tests/limits/limits_test_support.h"

namespace orvane {
namespace {

using testing::ScratchFolder;
using testing::ScriptedBoxes;
using testing::WriteBytes;

// Keys read from a table; every read is noted.
class TableKeys final : public SystemKeys {
  public:
    std::optional<std::string> Value(KeyRoot, std::string_view key,
                                     std::string_view value) const override {
        reads.push_back(std::string(key) + "|" + std::string(value));
        auto it = values.find(reads.back());
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> values;
    mutable std::vector<std::string> reads;
};

class RecordingStarter final : public ProgramStarter {
  public:
    bool Start(const std::string& path) override {
        started.push_back(path);
        return starts;
    }
    std::vector<std::string> started;
    bool starts = true;
};

const std::string kPathKey = std::string(kSysInfoKey) + "|PATH";
const std::string kToolsKey = std::string(kSharedToolsKey) + "|MSINFO";

struct SysInfoCase {
    const char* name;
    std::map<std::string, std::string> keys;
    std::set<std::string> files;
    bool starts;
    std::vector<std::string> started;  // what was started
    bool message;                      // "System Information Is Unavailable At This Time"
};

void PrintTo(const SysInfoCase& c, std::ostream* os) {
    *os << c.name;
}
class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, FindsTheProgramInOrderOrSaysItIsUnavailable) {
    const SysInfoCase& c = GetParam();
    ScriptedBoxes boxes;
    TableKeys keys;
    keys.values = c.keys;
    RecordingStarter starter;
    starter.starts = c.starts;
    StartSysInfo(
        {&boxes, &keys, &starter, [&](const std::string& p) { return c.files.count(p) > 0; }});
    EXPECT_EQ(starter.started, c.started);
    if (c.message) {
        EXPECT_EQ(boxes.Texts(),
                  std::vector<std::string>{"System Information Is Unavailable At This Time"});
        EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    } else {
        EXPECT_TRUE(boxes.shown.empty());
    }
    ASSERT_FALSE(keys.reads.empty());
    EXPECT_EQ(keys.reads[0], kPathKey);  // the program's own key is always asked first
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, StartSysInfoTest, ::testing::Values(
    SysInfoCase{"NeitherKey", {}, {}, true, {}, true},
    SysInfoCase{"ProgramKey", {{kPathKey, "/usr/bin/hardinfo"}, {kToolsKey, "/opt"}},
                {"/opt/hardinfo"}, true, {"/usr/bin/hardinfo"}, false},
    SysInfoCase{"ToolsFolderWithTheProgram", {{kToolsKey, "/opt/tools"}},
                {"/opt/tools/hardinfo"}, true, {"/opt/tools/hardinfo"}, false},
    SysInfoCase{"ToolsFolderWithoutTheProgram", {{kToolsKey, "/opt/tools"}},
                {"/opt/tools/kinfocenter"}, true, {}, true},
    SysInfoCase{"ProgramThatDoesNotStart", {{kPathKey, "/usr/bin/hardinfo"}}, {}, false,
                {"/usr/bin/hardinfo"}, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GetKeyValue, ReadsAsA1024ByteBufferWithoutItsNul) {
    TableKeys keys;
    keys.values[kPathKey] = std::string("/usr/bin/hardinfo\0junk", 22);
    keys.values[kToolsKey] = std::string(2000, 'x');
    std::string value = "old";
    EXPECT_TRUE(GetKeyValue(keys, KeyRoot::LocalMachine, kSysInfoKey, "PATH", value));
    EXPECT_EQ(value, "/usr/bin/hardinfo");
    EXPECT_TRUE(GetKeyValue(keys, KeyRoot::LocalMachine, kSharedToolsKey, "MSINFO", value));
    EXPECT_EQ(value.size(), 1023u);
    EXPECT_FALSE(GetKeyValue(keys, KeyRoot::LocalMachine, "SOFTWARE\\Nothing", "PATH", value));
    EXPECT_EQ(value, "");
}

class LinuxKeysTest : public ::testing::Test {
  protected:
    void Program(const std::filesystem::path& file, bool executable = true) {
        std::filesystem::create_directories(file.parent_path());
        WriteBytes(file, "#!/bin/sh\n");
        ::chmod(file.c_str(), executable ? 0755 : 0644);
    }
    std::optional<std::string> PathValue(const std::string& path) {
        LinuxSystemKeys keys(
            [path](std::string_view name) -> std::optional<std::string> {
                if (name == "PATH") return path;
                return std::nullopt;
            },
            root / "tools");
        return keys.Value(KeyRoot::LocalMachine, kSysInfoKey, "PATH");
    }
    ScratchFolder root;
};

TEST_F(LinuxKeysTest, TheFirstProgramOfTheListFoundOnThePathIsTheSystemInformationProgram) {
    EXPECT_EQ(PathValue((root / "a").string()), std::nullopt);
    Program(root / "a" / "kinfocenter");
    Program(root / "b" / "gnome-system-monitor");
    Program(root / "c" / "hardinfo", false);  // not executable: not a program
    const std::string path = "relative:" + (root / "a").string() + "::" + (root / "b").string() +
                             ":" + (root / "c").string();
    EXPECT_EQ(PathValue(path), (root / "b" / "gnome-system-monitor").string());
    Program(root / "c" / "hardinfo");
    EXPECT_EQ(PathValue(path), (root / "c" / "hardinfo").string());
}

TEST_F(LinuxKeysTest, TheToolsKeyNamesAnExistingFolderOnly) {
    LinuxSystemKeys keys([](std::string_view) { return std::nullopt; }, root / "tools");
    EXPECT_EQ(keys.Value(KeyRoot::LocalMachine, kSharedToolsKey, "MSINFO"), std::nullopt);
    EXPECT_EQ(keys.Value(KeyRoot::LocalMachine, kSysInfoKey, "PATH"), std::nullopt);
    std::filesystem::create_directories(root / "tools");
    EXPECT_EQ(keys.Value(KeyRoot::LocalMachine, kSharedToolsKey, "MSINFO"),
              (root / "tools").string());
    EXPECT_EQ(keys.Value(KeyRoot::LocalMachine, kSharedToolsKey, "PATH"), std::nullopt);
}

}  // namespace
}  // namespace orvane
