// Export timings through a real LibreOffice: one export to a new workbook from cold (LibreOffice
// started for it, as the program does) and one append to a workbook of 100 blocks, each split
// into the start of LibreOffice, the export work itself and the end of LibreOffice.
//
//   bench_export [RUNS]      (median of RUNS, default 5)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/model/export_block.h"
#include "app/model/main_window_model.h"
#include "export/calc_spreadsheet.h"
#include "export/mod_excel.h"

namespace {

using namespace orvane;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

class Quiet final : public MessageBoxes, public Beeper, public orvane::Clock, public TextMetrics {
  public:
    int boxes = 0;
    MsgAnswer Show(std::string_view text, std::string_view, MsgButtons) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
        ++boxes;
        return MsgAnswer::Ok;
    }
    void Beep() override {}
    Date Today() const override { return {2024, 6, 15}; }
    int TextWidthTwips(std::string_view t) const override {
        return static_cast<int>(t.size()) * 90;
    }
    int ScrollBarWidthPixels() const override { return 17; }
    int TwipsPerPixel() const override { return 15; }
};

// Times the start and the end of the application inside one export.
class Timed final : public Spreadsheet {
  public:
    explicit Timed(Spreadsheet& inner) : in_(inner) {}
    Clock::duration start{}, quit{};

    void Start() override {
        auto t = Clock::now();
        in_.Start();
        start += Clock::now() - t;
    }
    void Open(const std::string& p) override { in_.Open(p); }
    void Add() override { in_.Add(); }
    std::vector<std::string> ReadColumn(int c, int f, int l) override {
        return in_.ReadColumn(c, f, l);
    }
    void Write(int r, int c, std::string_view t) override { in_.Write(r, c, t); }
    void SetColumnWidth(int c, double w) override { in_.SetColumnWidth(c, w); }
    void SaveAs(const std::string& p) override { in_.SaveAs(p); }
    void Close() override { in_.Close(); }
    void Quit() override {
        auto t = Clock::now();
        in_.Quit();
        quit += Clock::now() - t;
    }

  private:
    Spreadsheet& in_;
};

struct Split {
    double whole, start, work, quit;
};

Split Median(std::vector<Split> runs) {
    std::sort(runs.begin(), runs.end(), [](auto& a, auto& b) { return a.whole < b.whole; });
    return runs[runs.size() / 2];
}

Split OneExport(const MainWindowModel& m, const fs::path& book, Quiet& quiet) {
    CalcSpreadsheet calc;
    Timed timed(calc);
    auto t = Clock::now();
    bool ok = ExportGrid(ReadParticulars(m.controls(), m.depr().state),
                         TextsOf(m.depr().schedule()), book.string(), timed, quiet);
    double whole = Ms(Clock::now() - t);
    if (!ok) std::fprintf(stderr, "export failed\n");
    double start = Ms(timed.start), quit = Ms(timed.quit);
    return {whole, start, whole - start - quit, quit};
}

void Print(const char* what, const Split& s) {
    std::printf(
        "%-34s whole %7.1f ms | LibreOffice start %7.1f ms | export work %6.1f ms "
        "(%4.1f%% of the whole) | end %6.1f ms\n",
        what, s.whole, s.start, s.work, 100 * s.work / s.whole, s.quit);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Quiet quiet;
    Services services{&quiet, &quiet, &quiet, &quiet};
    MainWindowModel m(services);
    m.Form_Load();
    m.Focus(MainCtl::txtCost);
    m.TypeText("10000");
    auto choose = [&](MainCtl list, const std::string& text) {
        const auto& items = m.controls()[list].items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) m.ChooseItem(list, static_cast<int>(i));
        }
    };
    choose(MainCtl::cboMethod, "MACRS");
    choose(MainCtl::cboLife, "7");
    m.Focus(MainCtl::txtInService);
    m.TypeText("012004");
    m.Focus(MainCtl::txtDescription);
    m.TypeText("Press brake");
    m.Click(MainCtl::cmdCalculate);

    std::string dir_template = (fs::temp_directory_path() / "orvane-bench-XXXXXX").string();
    if (!mkdtemp(dir_template.data())) return 1;
    const fs::path dir = dir_template;

    std::vector<Split> cold;
    for (int i = 0; i < runs; ++i) {
        fs::remove(dir / "new.xls");
        cold.push_back(OneExport(m, dir / "new.xls", quiet));
    }

    // A workbook of 100 blocks, written in one session.
    {
        CalcSpreadsheet calc;
        calc.Start();
        calc.Add();
        ErrorTrap trap = ErrorTrap::Described(quiet);
        int row = 1;
        for (int b = 0; b < 100; ++b) {
            for (const auto& w :
                 ExportParticulars(ReadParticulars(m.controls(), m.depr().state), row, trap))
                calc.Write(w.row, w.col, w.text);
            for (const auto& w : ExportSchedule(TextsOf(m.depr().schedule()), row))
                calc.Write(w.row, w.col, w.text);
            row = ExportStartRow(calc.ReadColumn(3, 1, kExportSearchRows));
        }
        calc.SaveAs((dir / "hundred.xls").string());
        calc.Close();
        calc.Quit();
    }
    std::vector<Split> append;
    for (int i = 0; i < runs; ++i) {
        fs::copy_file(dir / "hundred.xls", dir / "append.xls",
                      fs::copy_options::overwrite_existing);
        append.push_back(OneExport(m, dir / "append.xls", quiet));
    }
    fs::remove_all(dir);

    std::printf("median of %d runs\n", runs);
    Print("new workbook, cold", Median(cold));
    Print("append to 100 blocks, cold", Median(append));
    return quiet.boxes == 0 ? 0 : 1;
}
