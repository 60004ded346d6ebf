#pragma once
// The engine module: the asset as the window's controls hold it, the schedule procedure, the
// amount operations, validation, the class rules and the grid writer.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/error_trap.h"
#include "base/numtext.h"
#include "engine/classes.h"
#include "engine/main_window_controls.h"
#include "engine/rates.h"
#include "platform/services.h"

namespace orvane {

// The six limit texts of one tax year, in record order: first year with 30%, first, second,
// third, fourth and later years, first year with 50% (and 100%).
using VehicleLimits = std::array<std::string, 6>;

// Where the vehicle schedule finds the yearly limits. The record-file module answers it; it
// reports its own file faults.
class VehicleLimitSource {
  public:
    virtual ~VehicleLimitSource() = default;
    // The limits recorded for `year` (four characters) in the file of vehicle kind 'A', 'E' or
    // 'T'; nothing when no record has that year.
    virtual std::optional<VehicleLimits> Lookup(char kind, std::string_view year) = 0;
};

// The asset of one calculation, as the window's fields hold it: texts as typed, the chosen
// class, convention and allowance boxes. The views point into the window's controls (or, for a
// calculation without a window, into the caller's texts) and stay valid while it runs. The two
// working fields, the allowance and the adjusted cost, are the texts the engine rewrites: a
// later step reads what an earlier one wrote.
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

// Module-wide values that live for the whole run.
struct DeprState {
    std::string method_caption;
    double business_percent = 0;
    bool input_error = false;
    std::int16_t convention_code = 0;  // 0 Half Year, 1 Mid Quarter, 2 Mid Month, 3 none
    bool new_schedule = false;
    double running_total = 0;
    std::int16_t year_base = 0;
    double last_adj_tax_basis = 0;
};

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

namespace status {
inline constexpr std::string_view kCostMissing = "Cost Missing! ";
inline constexpr std::string_view kMethodMissing = "Method Missing! ";
inline constexpr std::string_view kInServiceMissing = "In service date is missing! ";
inline constexpr std::string_view kInServiceInvalid = "In service date is invalid! ";
inline constexpr std::string_view kLifeMissing = "Life Missing! ";
inline constexpr std::string_view kLifeOver43 = "Life Can't be greater than 43! ";
inline constexpr std::string_view kMacrsLife = "Life must be 3,5,7,10,15,20,27.5,31.5,39! ";
inline constexpr std::string_view kMacrsBusiness =
    "MACRS Buisness Percent must be between 51% and 100%. Use ADS for less then 50%.";
inline constexpr std::string_view kAdjTaxBasisRequired =
    "Adj Tax Basis is required if Sales Price is populated! ";
inline constexpr std::string_view kSalesPriceRequired =
    "Sales Price is required if Adj Tax Basis is populated! ";
inline constexpr std::string_view kBonus30Date = "In service date needs to be after 9/2001! ";
inline constexpr std::string_view kBonus50Date = "In service date needs to be after 5/5/2003! ";
inline constexpr std::string_view kNoLifeOrClass = "Please select a life or a class.";
inline constexpr std::string_view kBusinessRequired = "Business Percent is required.";
inline constexpr std::string_view kNoVehicleLimits =
    "Use Tools/Automobile Max Amounts to enter the max auto depr amount for this year.";
inline constexpr std::string_view kVehicleOver43 =
    "Can't display total depreciation. The life greater then 43 !";
inline constexpr std::string_view kVehicleLimitsUnavailable =
    "Vehicle limits are not available: no limit files are set up.";
}  // namespace status

namespace caption {
inline constexpr std::string_view kMacrs200 = "Method: MACRS 200% DB";
inline constexpr std::string_view kMacrs150 = "Method: MACRS 150% DB";
inline constexpr std::string_view kMacrsStraight = "Method: MACRS- Straight Line";
inline constexpr std::string_view kAds = "Method: ADS- Straight Line";
inline constexpr std::string_view kLuxuryAuto = "Method: MACRS-200% DB Luxury Auto";
}  // namespace caption

// Where the rows of a schedule go when nobody looks at a grid: a calculation without a window
// takes each row as it is made, in year order, in the texts the grid's cells would hold.
class ScheduleRows {
  public:
    virtual ~ScheduleRows() = default;
    virtual void Row(std::string_view year, std::string_view depreciation,
                     std::string_view basis_left) = 0;
};

class Depr {
  public:
    Depr(MainWindowControls& controls, const Services& services)
        : controls_(&controls), services_(services) {}
    // Points the module at another copy of the window (a copied window model).
    void Rebind(MainWindowControls& controls) { controls_ = &controls; }

    DeprState state;
    VehicleLimitSource* vehicle_limits = nullptr;
    // While set, the schedule's rows go here and the grid is left alone.
    ScheduleRows* rows = nullptr;

    // Status line and validation.
    void ShowStatus(std::string_view text);
    void ValidateInputs();
    void GetBusinessPercent();
    void UpdateAllowance();
    void SetAssetTypeFields(int asset_type);

    // Class tables and class rules.
    void LoadMacrsClasses();
    void LoadAdsClasses();
    void FitDropDownWidth(MainCtl combo);
    void SetMidMonth(bool lock);
    void ApplyClassChoice();

    // Grid.
    void SetGridHeaders();
    void FillGrid(std::int16_t year_number, double year_amount, std::int16_t row_count);

    // The asset as the window's controls hold it now.
    AssetRecord Record();
    // A new schedule: the status line red and empty, no method caption, the grid emptied (with
    // its headers written again when `headers`).
    void StartSchedule(ErrorTrap& calculation, bool headers);
    // The schedule of `asset`, run by the Calculate command under its error report, and by a
    // calculation without a window on an asset whose inputs passed the checks.
    void BuildSchedule(ErrorTrap& calculation, AssetRecord& asset);

    // Amount operations: a year's amount, or nothing for a year without one.
    std::optional<double> MACRSAmount(double basis, double life, std::int16_t year);
    std::optional<double> MACRSMidQuarterAmount(int quarter, double basis, double life,
                                                std::int16_t year);
    std::optional<double> ResidentialRentalAmount(double basis, std::int16_t year);
    std::optional<double> NonResidentialAmount(double basis, std::int16_t year);
    std::optional<double> NonResidential39Amount(double basis, std::int16_t year);
    // These two raise their faults to the caller (division by zero for a life of 0).
    std::optional<double> StraightLineAmount(double basis, double life, std::int16_t year);
    std::optional<double> ADSAmount(double basis, double life, std::int16_t year,
                                    std::int16_t quarter);

    // Vehicle limits.
    void MACRSauto(double& basis, std::int16_t life, std::string in_service_year, char kind,
                   std::int16_t quarter);
    std::int16_t AdjustSpecialAllowance(VehicleLimits& limits);

  private:
    // The asset of the calculation that is running.
    AssetRecord& A() { return *asset_; }
    Control& c(MainCtl id) { return (*controls_)[id]; }
    const std::string& Text(MainCtl id) { return (*controls_)[id].text; }
    bool Checked(MainCtl id) { return (*controls_)[id].value == 1; }
    void SetMethodCaption(std::string_view text);
    std::optional<double> TableAmount(int quarter, double basis, double life, std::int16_t year,
                                      std::string_view title);
    std::optional<double> RealPropertyAmount(RealProperty table, double basis, std::int16_t year);
    // The sale-year test and cut shared by the schedule loop and the vehicle loop.
    bool IsSaleYear(std::int16_t year_number);
    double CutSaleYear(double amount);

    // What FillGrid reads of the asset, once per schedule.
    struct GridInputs {
        bool read = false;
        std::int16_t year_base = 0;
        double basis = 0;
        double allowance = 0;
        std::optional<Fault> fault;  // the read failed
    };
    void ReadGridInputs();
    // The last year's amount that FillGrid saw, rounded and (once written, length above 0) as
    // text: the same amount again gives the same texts.
    struct YearAmount {
        double value = 0;
        double rounded = 0;
        std::array<char, kFormatRoom> text{};
        std::size_t length = 0;
    };
    YearAmount last_amount_;
    // One class table as the class list shows it, and its drop-down width once measured.
    struct ClassList {
        explicit ClassList(std::span<const AssetClass> table);
        SharedList<std::string> texts;
        SharedList<std::int32_t> lives;
        std::optional<int> dropped_width;
    };
    void LoadClasses(ClassList& list);

    MainWindowControls* controls_;
    Services services_;
    AssetRecord* asset_ = nullptr;
    GridInputs grid_inputs_;
    // The class lists, built once and shared by every list filled from them, with their
    // drop-down widths measured once: the same texts and the same metrics give the same width,
    // so copies of the module (a copied window model, on the same thread) share them.
    struct ClassLists {
        ClassList macrs{MacrsClasses()};
        ClassList ads{AdsClasses()};
    };
    std::shared_ptr<ClassLists> class_lists_ = std::make_shared<ClassLists>();
    int in_service_month_ = 0;     // of the asset of the running schedule
    double business_reading_ = 0;  // its business use by the leading-number reading
};

}  // namespace orvane
