// Benchmarks of the schedule: one Calculate through the window model, and the bare schedule
// computation (rates, amounts, rounding and cell texts) without the window around it.
//
//   orvane-bench                         run the benchmarks
//   orvane-bench --write-batch FILE N [plain|odd|mixed]
//                                        write N assets of the mix as an orvane-cli batch file:
//                                        plainly typed (the default), each with an oddity that
//                                        needs the window, or 7 plain, 2 odd and 1 bad in 10

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "app/model/main_window_model.h"
#include "base/numtext.h"
#include "bench/assets.h"
#include "engine/amounts.h"
#include "tests/support/fakes.h"

namespace orvane::bench {
namespace {

void ChooseText(MainWindowModel& m, MainCtl list, std::string_view text) {
    const auto& items = m.controls()[list].items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) m.ChooseItem(list, static_cast<int>(i));
    }
}

void BM_Calculate39YearsThroughTheWindow(benchmark::State& state) {
    fakes::Platform platform;
    MainWindowModel m(platform.services());
    m.Form_Load();
    ChooseText(m, MainCtl::cboMethod, "MACRS");
    m.OpenList(MainCtl::cboClass);
    ChooseText(m, MainCtl::cboClass, "Buildings post 5/12/93 (39)");
    m.Focus(MainCtl::txtCost);
    m.TypeText("250000");
    m.Focus(MainCtl::txtInService);
    m.TypeText("062004");
    for (auto _ : state) {
        m.cmdCalculate_Click();
        benchmark::DoNotOptimize(m.controls().grid.Text(7, 12));
    }
    if (m.controls().grid.Text(7, 10) != "2043") state.SkipWithError("unexpected schedule");
}
BENCHMARK(BM_Calculate39YearsThroughTheWindow);

// The cells of one schedule computed directly by the engine's amount functions: amount,
// running total rounded to cents, basis left, and the three texts of each year.
struct Cells {
    std::array<std::array<std::string, 3>, 44> rows;
    int count = 0;
};

void BareSchedule(const Asset& a, Cells& out) {
    double basis = static_cast<double>(a.cost);
    double life = std::strtod(a.life.c_str(), nullptr);
    int years = static_cast<int>(RoundEven(life)) + 1;
    double running = 0;
    double allowance = a.kind == 4 ? basis * 0.5 : 0;
    double depreciable = basis - allowance;
    int quarter = a.kind == 3 ? (a.month - 1) / 3 + 1 : 0;
    out.count = 0;
    for (int y = 1; y <= years; ++y) {
        double year_amount = 0;
        if (a.kind == 0 || a.kind == 4) {
            year_amount = amount::MacrsTable(depreciable, life, y, 0, 1.0);
        } else if (a.kind == 1) {
            RealProperty t = life == 27.5   ? RealProperty::Residential275
                             : life == 31.5 ? RealProperty::NonResidential315
                                            : RealProperty::NonResidential39;
            year_amount = amount::MidMonth(t, basis, y, a.month).value_or(0);
        } else if (a.kind == 2) {
            year_amount = amount::StraightLine(basis, life, y, a.month).value_or(0);
        } else {
            year_amount = amount::Ads(basis, life, y, quarter).value_or(0);
        }
        running += RoundEven(year_amount, 2);
        double left = basis - allowance - running;
        if (left < 1) left = 0;
        if (year_amount > 0 || y == 1) {
            auto& row = out.rows[out.count++];
            row[0] = CStr(a.year + y - 1);
            row[1] = Format(year_amount, Pattern::Amount);
            row[2] = Format(left, Pattern::Amount);
        }
    }
}

void BM_BareScheduleOfTheBatchMix(benchmark::State& state) {
    Cells cells;
    std::uint64_t n = 0;
    for (auto _ : state) {
        BareSchedule(MakeAsset(n++ % 100000), cells);
        benchmark::DoNotOptimize(cells.rows[0][1]);
    }
}
BENCHMARK(BM_BareScheduleOfTheBatchMix);

void BM_Bare39YearSchedule(benchmark::State& state) {
    Cells cells;
    Asset a{1, "39", 250000, 6, 2004};
    for (auto _ : state) {
        BareSchedule(a, cells);
        benchmark::DoNotOptimize(cells.rows[39][1]);
    }
}
BENCHMARK(BM_Bare39YearSchedule);

}  // namespace
}  // namespace orvane::bench

int main(int argc, char** argv) {
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "--write-batch") == 0) {
        using orvane::bench::Typing;
        std::ofstream out(argv[2]);
        long n = std::atol(argv[3]);
        std::string kind = argc == 5 ? argv[4] : "plain";
        if (kind != "plain" && kind != "odd" && kind != "mixed") return 2;
        for (long i = 0; i < n; ++i) {
            Typing typing = kind == "plain" ? Typing::Plain
                            : kind == "odd" ? Typing::Odd
                            : i % 10 < 7    ? Typing::Plain
                            : i % 10 < 9    ? Typing::Odd
                                            : Typing::Bad;
            out << orvane::bench::BatchLine(orvane::bench::MakeAsset(i), typing) << '\n';
        }
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
