// Export through a real LibreOffice: workbooks read back with Gnumeric's ssconvert, a file held
// by a second LibreOffice, and a helper that dies. After each test no LibreOffice of ours is left
// running and its temporary profile is gone.

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "export/calc_spreadsheet.h"
#include "export/mod_excel.h"
#include "tests/app/model/window_fixture.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    pclose(pipe);
    return out;
}

struct SheetCell {
    int type = 0;  // Gnumeric's value type: 40 a number, 60 a text
    std::string text;
    bool operator==(const SheetCell&) const = default;
};

struct ReadBack {
    std::map<std::pair<int, int>, SheetCell> cells;  // (row, column) from 1
    std::map<int, double> widths;                    // column from 1 -> points
    SheetCell at(int row, int col) const {
        auto it = cells.find({row, col});
        return it == cells.end() ? SheetCell{} : it->second;
    }
};

// The workbook as Gnumeric reads it, through its own XML.
ReadBack Read(const fs::path& book) {
    fs::path xml = book;
    xml += ".gnumeric";
    Shell("ssconvert '" + book.string() + "' '" + xml.string() + "' 2>/dev/null");
    std::string text = Shell("gzip -dcf '" + xml.string() + "'");
    fs::remove(xml);
    ReadBack r;
    static const std::regex cell(
        R"re(<gnm:Cell Row="(\d+)" Col="(\d+)" ValueType="(\d+)"[^>]*>([^<]*)</gnm:Cell>)re");
    for (std::sregex_iterator it(text.begin(), text.end(), cell), end; it != end; ++it)
        r.cells[{std::stoi((*it)[1]) + 1, std::stoi((*it)[2]) + 1}] = {std::stoi((*it)[3]),
                                                                       (*it)[4]};
    static const std::regex col(R"re(<gnm:ColInfo No="(\d+)" Unit="([0-9.]+)")re");
    for (std::sregex_iterator it(text.begin(), text.end(), col), end; it != end; ++it)
        r.widths[std::stoi((*it)[1]) + 1] = std::stod((*it)[2]);
    return r;
}

std::string Bytes(const fs::path& p, std::size_t n = std::string::npos) {
    std::ifstream in(p, std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(in)), {});
    return s.substr(0, n);
}

// Processes whose command line names `needle`.
int ProcessesNaming(const std::string& needle) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        n += name.find_first_not_of("0123456789") == std::string::npos &&
             Bytes(entry.path() / "cmdline").find(needle) != std::string::npos;
    }
    return n;
}

// The processes naming `needle` left after waiting up to `tries` times 30 ms for them to end
// (and for the folder `gone`, when given, to go).
int LeftAfterWaiting(const std::string& needle, int tries, const fs::path& gone = {}) {
    int left = ProcessesNaming(needle);
    for (int i = 0; i < tries && (left > 0 || (!gone.empty() && fs::exists(gone))); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        left = ProcessesNaming(needle);
    }
    return left;
}

class CalcTest : public testing::WindowTest {
  protected:
    CalcTest() : calc_(Options()) {
        dir_ = fs::path(::testing::TempDir()) / ("orvane-calc-test-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~CalcTest() override { fs::remove_all(dir_); }

    static CalcOptions Options() { return {.helper = ORVANE_CALC_HELPER}; }

    void SetUp() override {
        if (CalcSpreadsheet::FindOffice().empty()) GTEST_SKIP() << "LibreOffice is not installed";
    }

    // Nothing of LibreOffice's is left: no process naming its profile, no profile folder.
    void TearDown() override {
        for (const fs::path& profile : profiles_) {
            EXPECT_EQ(LeftAfterWaiting(profile.string(), 300, profile), 0)
                << "LibreOffice outlived the export: " << profile;
            EXPECT_FALSE(fs::exists(profile)) << profile;
        }
    }

    bool ExportTo(const fs::path& path, CalcSpreadsheet& calc) {
        bool ok = ExportGrid(ReadParticulars(f(), state()), TextsOf(window.depr().schedule()),
                             path.string(), calc, platform.boxes);
        profiles_.push_back(calc.last_profile());
        return ok;
    }
    bool ExportTo(const fs::path& path) { return ExportTo(path, calc_); }

    void FirstAsset() {
        Choose(MainCtl::cboMethod, "MACRS");
        Choose(MainCtl::cboLife, "7");
        Enter(MainCtl::txtCost, "10000");
        InService("012004");
        ASSERT_EQ(window.Click(MainCtl::chkBonus50), Outcome::Done);
        Enter(MainCtl::txtDescription, "Press brake");
        Calculate();
    }
    void SecondAsset() {
        ASSERT_EQ(window.Click(MainCtl::cmdClear), Outcome::Done);
        Choose(MainCtl::cboMethod, "Straight Line");
        ASSERT_EQ(window.Focus(MainCtl::cboLife), Outcome::Done);
        window.TypeText("3");
        Enter(MainCtl::txtCost, "5000");
        InService("072010");
        Enter(MainCtl::txtDescription, "Lathe");
        Calculate();
    }

    CalcSpreadsheet calc_;
    fs::path dir_;
    std::vector<fs::path> profiles_;
};

class FormatTest : public CalcTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FormatTest, TwoAssetsReadBackWithNumbersTextsAndWidths) {
    const fs::path book = dir_ / (std::string("book") + GetParam());
    FirstAsset();
    ASSERT_TRUE(ExportTo(book));
    SecondAsset();
    ASSERT_TRUE(ExportTo(book));
    EXPECT_TRUE(platform.boxes.shown.empty()) << platform.boxes.shown[0].text;

    const ReadBack r = Read(book);
    // The first block (its texts are the in-memory export's tests): texts stay texts, years
    // and amounts are numbers.
    EXPECT_EQ(r.at(1, 1).text, "Press brake");
    EXPECT_EQ(r.at(3, 1), (SheetCell{60, "Net Cost: $5,000.00"}));
    EXPECT_EQ(r.at(2, 3), (SheetCell{40, "2004"}));
    double total = 0;
    for (int row = 2; row <= 9; ++row) {
        ASSERT_EQ(r.at(row, 4).type, 40) << "row " << row << ": " << r.at(row, 4).text;
        total += std::stod(r.at(row, 4).text);
    }
    EXPECT_NEAR(total, 5000, 0.005);  // the depreciable basis after the allowance
    EXPECT_EQ(r.at(9, 5).type, 40);
    EXPECT_DOUBLE_EQ(std::stod(r.at(9, 5).text), 0);
    EXPECT_EQ(r.at(10, 3).text, "");
    // The second block below two empty rows.
    EXPECT_EQ(r.at(11, 3).text, "");
    EXPECT_EQ(r.at(12, 1).text, "Lathe");
    EXPECT_EQ(r.at(13, 3).text, "2010");
    EXPECT_EQ(r.at(13, 4).type, 40);
    EXPECT_DOUBLE_EQ(std::stod(r.at(13, 4).text), 833.33);
    // Widths 50, 20, 5, 15 and 15 characters.
    ASSERT_TRUE(r.widths.count(1) && r.widths.count(2) && r.widths.count(3));
    const double per_char = r.widths.at(3) / 5;
    EXPECT_NEAR(r.widths.at(1) / per_char, 50, 0.5);
    EXPECT_NEAR(r.widths.at(2) / per_char, 20, 0.3);
    EXPECT_NEAR(r.widths.at(4) / per_char, 15, 0.3);
    EXPECT_NEAR(per_char, 5.1, 0.5);  // points: a digit of a 10-point sans-serif font

    // The file's format is the extension's.
    const std::string ext = GetParam();
    if (ext == ".xls") {
        EXPECT_EQ(Bytes(book, 4), "\xD0\xCF\x11\xE0");
    } else if (ext == ".xlsx") {
        EXPECT_EQ(Bytes(book, 2), "PK");
        EXPECT_NE(Bytes(book).find("xl/workbook.xml"), std::string::npos);
        // Widths in characters, as the file keeps them (where unzip is at hand).
        if (!Shell("command -v unzip").empty()) {
            const std::string sheet =
                Shell("unzip -p '" + book.string() + "' xl/worksheets/sheet1.xml");
            std::smatch m;
            ASSERT_TRUE(std::regex_search(
                sheet, m, std::regex(R"re(max="1" min="1"[^>]*width="([0-9.]+)")re")));
            EXPECT_NEAR(std::stod(m[1]), 50, 0.2);
        }
    } else {
        EXPECT_EQ(Bytes(book).substr(38, 46), "application/vnd.oasis.opendocument.spreadsheet");
    }
}

INSTANTIATE_TEST_SUITE_P(Extensions, FormatTest, ::testing::Values(".xls", ".xlsx", ".ods"),
                         [](const auto& info) { return std::string(info.param).substr(1); });

TEST_F(CalcTest, AppendingKeepsTheWorkbooksFormat) {
    FirstAsset();
    ASSERT_TRUE(ExportTo(dir_ / "book.ods"));
    fs::rename(dir_ / "book.ods", dir_ / "book.xls");  // an OpenDocument file under an .xls name
    SecondAsset();
    ASSERT_TRUE(ExportTo(dir_ / "book.xls"));
    EXPECT_EQ(Bytes(dir_ / "book.xls").substr(38, 46),
              "application/vnd.oasis.opendocument.spreadsheet");
    EXPECT_EQ(Read(dir_ / "book.xls").at(12, 1).text, "Lathe");
}

TEST_F(CalcTest, WorkbookOpenInAnotherLibreOfficeIsLeftAlone) {
    const fs::path book = dir_ / "book.xls";
    FirstAsset();
    ASSERT_TRUE(ExportTo(book));
    const std::string before = Bytes(book);

    CalcSpreadsheet holder(Options());
    holder.Start();
    profiles_.push_back(holder.last_profile());
    holder.Open(book.string());
    ASSERT_TRUE(fs::exists(dir_ / ".~lock.book.xls#"));

    SecondAsset();
    EXPECT_FALSE(ExportTo(book));
    ASSERT_EQ(platform.boxes.shown.size(), 1u);
    EXPECT_EQ(platform.boxes.shown[0].ShownTitle(), "Excel Spread Sheet Open.");
    EXPECT_EQ(platform.boxes.shown[0].text, "Close your speadsheet and try exporting again.");
    holder.Quit();
    EXPECT_EQ(Bytes(book), before);
    EXPECT_FALSE(fs::exists(dir_ / ".~lock.book.xls#"));
}

TEST_F(CalcTest, LockLeftByAKilledExportDoesNotHoldTheWorkbook) {
    const fs::path book = dir_ / "book.xls";
    FirstAsset();
    ASSERT_TRUE(ExportTo(book));
    const fs::path gone = fs::temp_directory_path() / "orvane-lo-gone0000";
    ASSERT_FALSE(fs::exists(gone));
    std::ofstream(dir_ / ".~lock.book.xls#")
        << ",root,host,06.12.2026 10:40,file://" << gone.string() << ";";
    SecondAsset();
    EXPECT_TRUE(ExportTo(book));
    EXPECT_TRUE(platform.boxes.shown.empty());
    const ReadBack r = Read(book);
    EXPECT_EQ(r.at(1, 1).text, "Press brake");
    EXPECT_EQ(r.at(12, 1).text, "Lathe");
}

// A disk that is full when the workbook is saved: the message says so in words, LibreOffice's
// lock file goes with the export, and once there is room again the next export goes through.
TEST_F(CalcTest, AFullDiskIsNamedAndLeavesNoLockBehind) {
    const fs::path disk = dir_ / "disk";
    fs::create_directories(disk);
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "needs root to mount a small file system";
    }
    const fs::path book = disk / "book.xls";
    std::ofstream(disk / "filler") << std::string(64 * 1024, 'f');
    FirstAsset();
    EXPECT_TRUE(ExportTo(book));  // any failure but a held file is shown, and the export goes on
    ASSERT_EQ(platform.boxes.shown.size(), 1u);
    EXPECT_EQ(platform.boxes.shown[0].text,
              "Could not write " + book.string() + ": there is no space left on the device.");
    EXPECT_FALSE(fs::exists(disk / ".~lock.book.xls#"));

    fs::remove(disk / "filler");
    platform.boxes.shown.clear();
    EXPECT_TRUE(ExportTo(book));
    EXPECT_TRUE(platform.boxes.shown.empty()) << platform.boxes.shown[0].text;
    EXPECT_FALSE(fs::exists(disk / ".~lock.book.xls#"));
    EXPECT_EQ(Read(book).at(1, 1).text, "Press brake");
    ::umount2(disk.c_str(), MNT_DETACH);
}

// A LibreOffice that never answers: its process group is ended at the time-out, and the export
// fails saying so.
TEST_F(CalcTest, LibreOfficeThatHangsIsEndedAtTheTimeOut) {
    const fs::path program = fs::canonical(CalcSpreadsheet::FindOffice()).parent_path();
    const fs::path fake = dir_ / "program";
    fs::create_directories(fake);
    for (const auto& entry : fs::directory_iterator(program))
        if (entry.path().filename() != "soffice")
            fs::create_symlink(entry.path(), fake / entry.path().filename());
    std::ofstream(fake / "soffice") << "#!/bin/sh\nwhile :; do sleep 1; done\n";
    fs::permissions(fake / "soffice", fs::perms::owner_all);
    const std::string old_path = std::getenv("PATH");
    setenv("PATH", fake.c_str(), 1);

    CalcOptions options = Options();
    options.start_timeout = std::chrono::seconds(4);
    CalcSpreadsheet calc(options);
    FirstAsset();
    const auto started = std::chrono::steady_clock::now();
    const bool ok = ExportTo(dir_ / "book.xls", calc);
    const auto took = std::chrono::steady_clock::now() - started;
    setenv("PATH", old_path.c_str(), 1);

    EXPECT_FALSE(ok);
    ASSERT_EQ(platform.boxes.shown.size(), 1u);
    EXPECT_NE(platform.boxes.shown[0].text.find("did not answer within"), std::string::npos)
        << platform.boxes.shown[0].text;
    EXPECT_LT(took, std::chrono::seconds(8));
    EXPECT_FALSE(fs::exists(dir_ / "book.xls"));
    EXPECT_EQ(LeftAfterWaiting(fake.string(), 100), 0) << "the hung LibreOffice was left running";
}

TEST_F(CalcTest, LibreOfficeEndsWhenTheProgramDies) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t program = fork();
    if (program == 0) {
        close(fds[0]);
        CalcSpreadsheet calc(Options());
        try {
            calc.Start();
            calc.Add();
        } catch (const Fault&) {
            _exit(1);
        }
        const std::string profile = calc.last_profile().string() + "\n";
        if (write(fds[1], profile.data(), profile.size()) < 0) _exit(1);
        pause();
        _exit(0);
    }
    close(fds[1]);
    std::string profile;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        profile += ch;
    close(fds[0]);
    ASSERT_FALSE(profile.empty());
    ASSERT_GT(ProcessesNaming(profile), 0);
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    profiles_.push_back(profile);  // gone, and nothing of LibreOffice left, in TearDown
}

// Killed, LibreOffice leaves its own temporary folders behind: they are in the private profile,
// and go with it.
TEST_F(CalcTest, LibreOfficeEndsWhenTheHelperDiesAndLeavesNothingInTheTemporaryFolder) {
    const fs::path temp = dir_ / "temp";
    fs::create_directories(temp);
    const std::string old_temp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    setenv("TMPDIR", temp.c_str(), 1);
    calc_.Start();
    old_temp.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", old_temp.c_str(), 1);
    profiles_.push_back(calc_.last_profile());
    calc_.Add();
    ASSERT_GT(ProcessesNaming(calc_.last_profile().string()), 0);
    kill(calc_.helper_pid(), SIGKILL);
    EXPECT_THROW(calc_.Write(1, 1, "x"), Fault);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(temp))
        left.push_back(entry.path().filename());
    EXPECT_TRUE(left.empty()) << left[0];
}

}  // namespace
}  // namespace orvane
