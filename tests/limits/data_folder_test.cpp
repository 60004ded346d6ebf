#include "limits/data_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "limits_test_support.h"

namespace orvane {
namespace {

using namespace orvane::testing;

class DataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(program);
        for (const char* name : {"AutoMax.DAT", "Electric.DAT", "TruckMax.DAT"})
            WriteBytes(program / name, name);
    }
    std::filesystem::path Pick(bool program_writable) {
        EnvLookup lookup = [this](std::string_view name) -> std::optional<std::string> {
            auto it = env.find(std::string(name));
            if (it == env.end()) return std::nullopt;
            return it->second;
        };
        return LimitsFolder(program, lookup, [&](const std::filesystem::path& p) {
            return p == program ? program_writable : FolderWritable(p);
        });
    }

    ScratchFolder root;
    std::filesystem::path program = root / "opt" / "orvane";
    std::map<std::string, std::string> env;
};

TEST_F(DataFolderTest, TheProgramFolderStaysWhenWritableOrWithNowhereElseToGo) {
    env["XDG_DATA_HOME"] = (root / "xdg").string();
    EXPECT_EQ(Pick(true), program);
    EXPECT_FALSE(std::filesystem::exists(root / "xdg"));
    WriteBytes(root / "file", "x");
    env["XDG_DATA_HOME"] = (root / "file").string();  // cannot hold a folder
    EXPECT_EQ(Pick(false), program);
    env.clear();
    EXPECT_EQ(Pick(false), program);
}

TEST_F(DataFolderTest, OtherwiseTheXdgDataFolderIsSeededWithTheShippedFiles) {
    env["XDG_DATA_HOME"] = (root / "xdg").string();
    env["HOME"] = (root / "home").string();
    WriteBytes(program / "Temp.tmp", "not a limit file");
    const auto folder = Pick(false);
    EXPECT_EQ(folder, root / "xdg" / "orvane");
    for (const char* name : {"AutoMax.DAT", "Electric.DAT", "TruckMax.DAT"})
        EXPECT_EQ(ReadBytes(folder / name), name);
    EXPECT_FALSE(std::filesystem::exists(folder / "Temp.tmp"));

    // The user's own edits survive: seeding only fills in missing files.
    WriteBytes(folder / "AutoMax.DAT", "edited");
    std::filesystem::remove(folder / "TruckMax.DAT");
    EXPECT_EQ(Pick(false), folder);
    EXPECT_EQ(ReadBytes(folder / "AutoMax.DAT"), "edited");
    EXPECT_EQ(ReadBytes(folder / "TruckMax.DAT"), "TruckMax.DAT");
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().extension(), ".DAT") << entry.path();
    }
}

TEST_F(DataFolderTest, WithoutAnAbsoluteXdgFolderTheHomeFolderIsUsed) {
    env["XDG_DATA_HOME"] = "relative/share";
    env["HOME"] = (root / "home").string();
    const auto share = root / "home" / ".local" / "share" / "orvane";
    EXPECT_EQ(Pick(false), share);
    env.erase("XDG_DATA_HOME");
    EXPECT_EQ(Pick(false), share);
    EXPECT_EQ(ReadBytes(share / "Electric.DAT"), "Electric.DAT");
}

TEST(InstalledDataFolder, AnInstalledProgramSeedsTheUserFolderFromShareEvenWhenBinIsWritable) {
    ScratchFolder root;
    const auto bin = root / "usr" / "bin";
    const auto share = root / "usr" / "share" / "orvane";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    for (const char* name : {"AutoMax.DAT", "Electric.DAT", "TruckMax.DAT"})
        WriteBytes(share / name, std::string("shipped ") + name);
    EXPECT_EQ(ShippedLimitsFolder(bin), share);
    const auto xdg = root / "xdg";
    EnvLookup env = [&](std::string_view name) -> std::optional<std::string> {
        if (name == "XDG_DATA_HOME") return xdg.string();
        return std::nullopt;
    };
    const auto folder = LimitsFolder(bin, env, [](const std::filesystem::path&) { return true; });
    EXPECT_EQ(folder, xdg / "orvane");
    EXPECT_EQ(ReadBytes(folder / "Electric.DAT"), "shipped Electric.DAT");
    EXPECT_FALSE(std::filesystem::exists(bin / "AutoMax.DAT"));  // nothing written beside it
    // With no folder of its own the program reads the shipped files where they are.
    EnvLookup nowhere = [](std::string_view) { return std::nullopt; };
    EXPECT_EQ(LimitsFolder(bin, nowhere, [](const std::filesystem::path&) { return true; }), share);
    // Files beside the program (the build tree) win over an installed copy.
    WriteBytes(bin / "TruckMax.DAT", "beside");
    EXPECT_EQ(ShippedLimitsFolder(bin), bin);
}

}  // namespace
}  // namespace orvane
