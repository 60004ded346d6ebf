#pragma once
// The batch's road for an asset that needs no window: when a line's actions are only plain
// choices and values, the asset record they leave behind is worked out from the actions
// themselves and handed to the engine's schedule, which writes into a small set of controls of
// its own. The rows, the status line and the message boxes come out as the window's Calculate
// would leave them. Any other line (a typing oddity, a paste, a control that would be
// disabled, an entry not in its list, inputs that fail their checks) is left to the window.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/model/depr.h"
#include "app/model/main_window_controls.h"
#include "cli/options.h"
#include "platform/services.h"

namespace orvane::cli {

// What an action of a batch line does, as far as the direct road is concerned.
enum class Act : std::uint8_t {
    AssetType,
    Method,
    Class,
    Life,
    TypeLife,
    Business,
    Convention,
    InService,
    Cost,
    Allowance,
    SalesPrice,
    AdjTaxBasis,
    Sold,
    Description,
    Calculate,
    Other,  // anything else needs the window
};

class DirectPath {
  public:
    // `in_service` is the text a freshly loaded window shows in its in-service box.
    DirectPath(const Services& services, VehicleLimitSource* limits, std::string in_service);
    DirectPath(const DirectPath&) = delete;
    DirectPath& operator=(const DirectPath&) = delete;

    // Computes the asset of `actions` (the row indexes of `acts`) when the line can do without
    // the window, its rows going to `rows`; false, with nothing shown or computed, when it
    // cannot.
    bool Run(std::span<const GivenView> actions, std::span<const Act> acts, ScheduleRows& rows);

    // The controls the schedule leaves its status line in.
    const MainWindowControls& controls() const { return controls_; }

  private:
    Services services_;
    MainWindowControls controls_;
    Depr depr_;
    VehicleLimitSource* limits_;
    std::string in_service_;
    std::string month_text_[2];  // in service, date sold as "mm/yyyy"
};

}  // namespace orvane::cli
