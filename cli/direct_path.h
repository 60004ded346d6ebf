#pragma once
// The batch's road for an asset that needs no window: when a line's actions are only plain
// choices and values, the fields they leave behind are followed by the window's field rules,
// read into the engine's asset as Calculate reads them, and its schedule is computed and
// reported as the window reports it: the rows, the status line and the message boxes. Any
// other line (a typing oddity, a paste, a control that would be disabled, an entry not in its
// list, inputs that fail their checks) is left to the window.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/model/asset_reading.h"
#include "app/model/schedule_writer.h"
#include "cli/options.h"
#include "controls/controls.h"
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
    // `in_service` is the text a freshly loaded window shows in its in-service box; the boxes
    // the schedule reports in are `boxes`.
    DirectPath(MessageBoxes& boxes, std::string in_service);
    DirectPath(const DirectPath&) = delete;
    DirectPath& operator=(const DirectPath&) = delete;

    // Computes the asset of `actions` (the row indexes of `acts`) when the line can do without
    // the window, its rows going to `rows`; false, with nothing shown or computed, when it
    // cannot.
    bool Run(std::span<const GivenView> actions, std::span<const Act> acts, ScheduleRows& rows);

    // The status line the last schedule left.
    const Control& status() const { return status_; }

  private:
    // Calculate on a record whose inputs passed their checks.
    void Calculate(const AssetRecord& record, double business_use, ScheduleRows& rows);

    MessageBoxes& boxes_;
    std::string in_service_;
    std::string month_text_[2];  // in service, date sold as "mm/yyyy"
    std::string allowance_;      // the working fields of the record
    std::string adjusted_cost_;
    Schedule schedule_;
    ScheduleGrid grid_;  // never written: the rows go to the caller, a row beyond it faults
    Control status_;
};

}  // namespace orvane::cli
