// Types, pastes and chooses arbitrary bytes on the main window, as orvane-cli's actions do, and
// checks that what it prints of the window is always JSON (a byte that is no UTF-8 written as
// U+FFFD), and that a batch line's JSON string of the same bytes is one too.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "app/model/main_window_model.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider in(bytes, size);
    fakes::Platform platform;
    platform.clock.today = {2024, 6, 15};
    MainWindowModel model(platform.services());
    model.Form_Load();
    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 3);
        const MainCtl field = kFields[in.ConsumeIntegralInRange<std::size_t>(0, 7)];
        const std::string text = in.ConsumeRandomLengthString(40);
        if (op == 0 && model.Focus(field) != Outcome::NotPossible) model.Paste(text);
        if (op == 1 && model.Focus(field) != Outcome::NotPossible) model.TypeText(text);
        if (op == 2) platform.boxes.shown.push_back({text, text});
        if (op == 3) model.Click(MainCtl::cmdCalculate);

        std::string line;
        AppendJsonString(line, text);
        const auto parsed = nlohmann::json::parse(line, nullptr, false);
        CHECK(!parsed.is_discarded() && parsed.is_string());
    }
    const auto state = nlohmann::json::parse(cli::StateJsonText(model, platform), nullptr, false);
    CHECK(!state.is_discarded() && state.is_object());
    return 0;
}
