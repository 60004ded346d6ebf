#pragma once
// The asset as the main window's fields hold it, as texts, and its reading into the numbers
// and choices of the engine's Asset by the window's rules: the checks of Calculate, the leading
// number (Val) or the full conversion (CDbl) as each step of the original read its field, and
// the two working fields, the allowance and the adjusted cost, whose texts a later step reads
// back.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/model/main_window_controls.h"
#include "engine/asset.h"
#include "platform/services.h"

namespace orvane {

// The texts of one calculation's asset. The views point into the window's controls (or, for a
// calculation without a window, into the caller's texts) and stay valid while it runs.
struct AssetRecord {
    std::string_view cost;
    std::string_view method;
    std::string_view life;  // the life box's text, chosen or typed
    std::string_view in_service;
    std::string_view business_percent;
    std::string_view sales_price;
    std::string_view adj_tax_basis;
    std::string_view date_sold;
    int class_index = -1;  // -1: no class chosen
    std::string_view class_text;
    std::int32_t class_life = 0;
    bool convention_enabled = false;  // the convention frame
    int convention = -1;              // the selected convention option, -1 for none
    bool bonus30 = false, bonus50 = false, bonus100 = false;
    std::string* allowance = nullptr;      // lblAllowance
    std::string* adjusted_cost = nullptr;  // lblAdjCost
};

// The step of the input checks that fails first (its message, the field the focus moves to and
// the caption turned red), or none.
struct InputCheck {
    std::string_view message;  // empty: every check passed
    MainCtl focus = MainCtl::None;
    MainCtl red = MainCtl::None;
    bool failed() const { return !message.empty(); }
};
// The checks over a record, in their order. Sets `business_percent` on the way when it gets
// that far. Raises fault 13 when a MACRS life is not a number.
InputCheck CheckInputs(const AssetRecord& asset, double& business_percent);
// The business-use fraction of the text: a fraction when written as one (.75), else a
// percentage; an empty text is 100%.
double BusinessFraction(std::string_view text);
// The allowance amount that the checked box shows for the cost and business use, as text;
// empty when no box is checked.
std::string AllowanceText(std::string_view cost, std::string_view business, bool bonus30,
                          bool bonus50, bool bonus100);

// A masked month "mm/yyyy" read as a date (first day of the month). Raises fault 13 when the
// text is not a date.
struct MonthDate {
    int year;
    int month;
    auto operator<=>(const MonthDate&) const = default;
};
MonthDate ReadMonthDate(std::string_view text);
// The month of a masked month text: the leading number of its first two characters, rounded.
int MonthOf(std::string_view text);

// What a calculation reads besides the fields: the business-use fraction the checks left, the
// convention of the last schedule (kept when the frame is on and no button is), and today for
// an in-service date left blank.
struct ReadingContext {
    double business_use = 0;
    std::int16_t convention_code = 0;  // 0 Half Year, 1 Mid Quarter, 2 Mid Month, 3 none
    int this_year = 0;
};

// The record as the engine's asset.
Asset ReadAsset(const AssetRecord& record, const ReadingContext& context);

// The method of a method list entry ("MACRS"); None for any other text.
Method MethodOf(std::string_view text);

}  // namespace orvane
