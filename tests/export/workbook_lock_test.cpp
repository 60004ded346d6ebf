// The lock files beside a workbook: which are the export's own, and that an export removes its
// own however it ends while another program's stay. The export runs the real spreadsheet class
// over a scripted helper that answers as orvane-calc does and leaves a lock as LibreOffice does
// on a full disk: created, with nothing in it.

#include "export/workbook_lock.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "export/calc_spreadsheet.h"
#include "export/mod_excel.h"
#include "tests/app/model/window_fixture.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

const fs::path kOurs = "/tmp/orvane-lo-Ab12Cd";

struct LockCase {
    const char* name;
    const char* content;
    bool there_before;
    bool ours;
};
void PrintTo(const LockCase& c, std::ostream* os) {
    *os << c.name;
}
class LockOwnerTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(LockOwnerTest, OursWhenItNamesOurProfileOrNoOneAndCameDuringTheExport) {
    const LockCase& c = GetParam();
    EXPECT_EQ(calc::LockIsOurs(c.content, c.there_before, kOurs), c.ours);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, LockOwnerTest,
    ::testing::Values(
        LockCase{"OurProfile", ",ann,pc,07.12.2026 10:40,file:///tmp/orvane-lo-Ab12Cd;", true,
                 true},
        LockCase{"OurProfileWithASlash", ",ann,pc,date,file:///tmp/orvane-lo-Ab12Cd/;", true, true},
        LockCase{"AnotherExportsProfile", ",ann,pc,date,file:///tmp/orvane-lo-Ab12Cd2;", false,
                 false},
        LockCase{"APersonsLibreOffice", ",Ann Lee,pc,date,file:///home/ann/.config/libreoffice/4;",
                 false, false},
        LockCase{"PercentEncoded", ",ann,pc,date,file:///tmp/orvane%2Dlo%2DAb12Cd;", true, true},
        LockCase{"EmptyMadeDuringTheExport", "", false, true},
        LockCase{"CutShortDuringTheExport", ",ann,pc,07.12.20", false, true},
        LockCase{"EmptyAndThereBefore", "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A scratch folder, removed afterwards.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "orvane-locks-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~Folder() { fs::remove_all(path_); }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

void Put(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

constexpr const char* kForeign = ",Ann Lee,pc,07.12.2026 10:40,file:///home/ann/.config/lo;";

TEST(OwnLocks, ReleaseRemovesOurLocksAndLeavesTheOthers) {
    Folder dir;
    const fs::path made = dir / "made.xls", held = dir / "held.xls", mine = dir / "mine.xls",
                   before = dir / "before.xls", unwatched = dir / "unwatched.xls";
    Put(calc::LockFileOf(held), kForeign);
    Put(calc::LockFileOf(before), "");
    calc::OwnLocks locks(kOurs);
    for (const fs::path& book : {made, held, mine, before})
        locks.Watch(book);
    Put(calc::LockFileOf(made), "");  // LibreOffice made it and could not write it
    Put(calc::LockFileOf(mine), ",ann,pc,date,file://" + kOurs.string() + ";");
    Put(calc::LockFileOf(unwatched), "");
    locks.Watch(made);  // a second look does not make it older
    EXPECT_TRUE(locks.Ours(made));
    EXPECT_FALSE(locks.Ours(held));
    locks.Release();
    EXPECT_FALSE(fs::exists(calc::LockFileOf(made)));
    EXPECT_FALSE(fs::exists(calc::LockFileOf(mine)));
    EXPECT_TRUE(fs::exists(calc::LockFileOf(held)));
    EXPECT_TRUE(fs::exists(calc::LockFileOf(before)));
    EXPECT_TRUE(fs::exists(calc::LockFileOf(unwatched)));
}

// The helper's stand-in: SAVE leaves an empty lock where there is none, then does what
// ORVANE_TEST_SAVE says.
constexpr const char* kHelper = R"(#!/bin/sh
printf 'PGID\t0\nREADY\n'
while IFS='	' read -r op a b c; do
  case "$op" in
    OPEN) printf 'ERR\t1004\tno such file\n' ;;
    SAVE)
      lock="$(dirname "$a")/.~lock.$(basename "$a")#"
      [ -e "$lock" ] || : > "$lock"
      case "$ORVANE_TEST_SAVE" in
        ok) printf 'OK\n' ;;
        held) printf "ERR\t1004\tCannot access read-only document 'book.xls'.\n" ;;
        full) printf 'ERR\t1004\tSfxBaseModel::impl_store <file://%s> failed: 0x507(Error Area:Io Class:Access Code:7) at ./sfx2/source/doc/sfxbasemodel.cxx:3207\n' "$a" ;;
        die) kill -9 $$ ;;
      esac ;;
    QUIT) printf 'OK\n'; exit 0 ;;
    *) printf 'OK\n' ;;
  esac
done
)";

class ScriptedHelperTest : public testing::WindowTest {
  protected:
    void SetUp() override {
        Put(dir / "orvane-calc", kHelper);
        Put(dir / "soffice", "#!/bin/sh\n");
        for (const char* program : {"orvane-calc", "soffice"})
            fs::permissions(dir / program, fs::perms::owner_all);
        old_path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (dir.path().string() + ":" + old_path_).c_str(), 1);
        Choose(MainCtl::cboMethod, "MACRS");
        Choose(MainCtl::cboLife, "7");
        Enter(MainCtl::txtCost, "10000");
        InService("012004");
        Calculate();
    }
    void TearDown() override {
        setenv("PATH", old_path_.c_str(), 1);
        unsetenv("ORVANE_TEST_SAVE");
    }
    bool Export(const char* save) {
        setenv("ORVANE_TEST_SAVE", save, 1);
        CalcSpreadsheet calc({.helper = dir / "orvane-calc"});
        const bool ok = ExportGrid(ReadParticulars(f(), state()), TextsOf(window.depr().schedule()),
                                   book.string(), calc, platform.boxes);
        EXPECT_FALSE(fs::exists(calc.last_profile()));
        return ok;
    }

    Folder dir;
    fs::path book = dir / "book.xls";
    std::string old_path_;
};

TEST_F(ScriptedHelperTest, OurLockGoesWhenTheSaveWorksFailsOrTheHelperDies) {
    for (const char* save : {"ok", "full", "die"}) {
        platform.boxes.shown.clear();
        Export(save);
        EXPECT_FALSE(fs::exists(calc::LockFileOf(book))) << save;
    }
}

TEST_F(ScriptedHelperTest, AnotherProgramsLockStays) {
    for (const std::string& content : {std::string(kForeign), std::string()}) {
        Put(calc::LockFileOf(book), content);
        Export("held");
        EXPECT_TRUE(fs::exists(calc::LockFileOf(book)));
        Export("full");
        EXPECT_TRUE(fs::exists(calc::LockFileOf(book)));
    }
    EXPECT_EQ(platform.boxes.Texts()[0], "Close your speadsheet and try exporting again.");
}

}  // namespace
}  // namespace orvane
