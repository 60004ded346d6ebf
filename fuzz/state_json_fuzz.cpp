// Types, pastes and chooses arbitrary bytes on the main window, as orvane-cli's actions do, and
// checks that what it prints of the window is always JSON (a byte that is no UTF-8 written as
// U+FFFD), and that a batch line's JSON string of the same bytes is one too. Every schedule
// shown keeps its books: the years run on without gaps, no cell reads inf or nan, and where no
// vehicle limit, sale or exchange applies, each year's depreciation plus the basis left is the
// basis before it, to the cent.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/model/classes.h"
#include "app/model/main_window_model.h"
#include "base/numtext.h"
#include "cli/batch_line.h"
#include "cli/window_json.h"
#include "tests/support/fakes.h"

#define CHECK(condition)                    \
    do {                                    \
        if (!(condition)) __builtin_trap(); \
    } while (0)

namespace {

using namespace orvane;

constexpr MainCtl kFields[] = {MainCtl::txtCost,       MainCtl::cboLife,
                               MainCtl::txtInService,  MainCtl::txtBusinessPercent,
                               MainCtl::txtSalesPrice, MainCtl::txtAdjTaxBasis,
                               MainCtl::mskSold,       MainCtl::txtDescription};
constexpr MainCtl kLists[] = {MainCtl::cboMethod, MainCtl::cboClass, MainCtl::cboLife};
constexpr MainCtl kClicks[] = {MainCtl::optAssetType0,  MainCtl::optAssetType1,
                               MainCtl::optAssetType2,  MainCtl::chkBonus,
                               MainCtl::chkBonus50,     MainCtl::chkBonus100,
                               MainCtl::optConvention0, MainCtl::optConvention1,
                               MainCtl::optConvention2, MainCtl::cmdClear};

// The basis the grid depreciates, or nothing when a vehicle limit, a sale, an exchange or a
// message is involved: the cost at the business-use share, less the allowance.
std::optional<double> PlainBasis(MainWindowModel& model, const fakes::Platform& platform) {
    MainWindowControls& c = model.controls();
    const bool vehicle = c[MainCtl::cboClass].list_index >= 0 &&
                         VehicleOf(c[MainCtl::cboClass].text) != Vehicle::None;
    if (vehicle || c[MainCtl::mskSold].text != kBlankMonth || !platform.boxes.shown.empty() ||
        !c[MainCtl::lblAdjCost].caption.empty())
        return std::nullopt;
    const auto cost = TryCDbl(c[MainCtl::txtCost].text);
    if (!cost || *cost <= 0) return std::nullopt;
    const std::string& business = c[MainCtl::txtBusinessPercent].text;
    double share = 1;
    if (!business.empty()) share = Val(business) > 1 ? Val(business) / 100 : Val(business);
    return *cost * share - Val(c[MainCtl::lblAllowance].caption);
}

void CheckTheBooks(MainWindowModel& model, const fakes::Platform& platform) {
    const ScheduleGrid& grid = model.controls().grid;
    for (int r = 1; r < ScheduleGrid::kRows; ++r) {
        for (int col = 1; col < ScheduleGrid::kCols; ++col)
            CHECK(grid.Text(r, col).find_first_of("iInN") == std::string::npos);
    }
    if (!platform.boxes.shown.empty()) return;
    std::optional<double> before = PlainBasis(model, platform);
    int shown = 0, first_year = 0;
    for (int g = 0; g < 4; ++g) {
        for (int r = 1; r < ScheduleGrid::kRows; ++r) {
            const int col = 1 + 3 * g;
            if (grid.Text(r, col).empty()) continue;
            CHECK(11 * g + r == shown + 1);  // no year without a row
            if (shown == 0) first_year = static_cast<int>(Val(grid.Text(r, col)));
            CHECK(grid.Text(r, col) == std::to_string(first_year + shown));
            ++shown;
            const auto depreciation = TryCDbl(grid.Text(r, col + 1));
            const auto left = TryCDbl(grid.Text(r, col + 2));
            CHECK(depreciation && left);
            if (!before) continue;
            // A year's amount at an exact half cent shows rounded up but counts rounded to even;
            // a basis left under 1.00 shows as .00.
            if (*left > 0) {
                CHECK(std::fabs(*depreciation + *left - *before) < 0.0101);
            } else {
                CHECK(*before - *depreciation < 1.0101);
            }
            before = *left;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider in(bytes, size);
    fakes::Platform platform;
    platform.clock.today = {2024, 6, 15};
    MainWindowModel model(platform.services());
    model.Form_Load();
    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 5);
        if (op == 4) {
            const MainCtl list = kLists[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
            const int items = static_cast<int>(model.controls()[list].items.size());
            const int item = in.ConsumeIntegralInRange(0, 40);
            if (list == MainCtl::cboClass) model.OpenList(list);
            if (item < items) model.ChooseItem(list, item);
            continue;
        }
        if (op == 5) {
            model.Click(kClicks[in.ConsumeIntegralInRange<std::size_t>(0, 9)]);
            continue;
        }
        const MainCtl field = kFields[in.ConsumeIntegralInRange<std::size_t>(0, 7)];
        const std::string text = in.ConsumeRandomLengthString(40);
        if (op == 0 && model.Focus(field) != Outcome::NotPossible) model.Paste(text);
        if (op == 1 && model.Focus(field) != Outcome::NotPossible) model.TypeText(text);
        if (op == 2) platform.boxes.shown.push_back({text, text});
        if (op == 3) {
            platform.boxes.shown.clear();
            model.Click(MainCtl::cmdCalculate);
            CheckTheBooks(model, platform);
        }

        std::string line;
        AppendJsonString(line, text);
        const auto parsed = nlohmann::json::parse(line, nullptr, false);
        CHECK(!parsed.is_discarded() && parsed.is_string());
    }
    const auto state = nlohmann::json::parse(cli::StateJsonText(model, platform), nullptr, false);
    CHECK(!state.is_discarded() && state.is_object());
    return 0;
}
