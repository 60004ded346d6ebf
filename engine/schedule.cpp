#include "engine/schedule.h"

#include <charconv>
#include <cmath>

#include "base/numtext.h"
#include "engine/amounts.h"
#include "engine/calculation.h"
#include "engine/conventions.h"
#include "engine/rates.h"

namespace orvane {

void Schedule::Clear() {
    rows.clear();
    faults.clear();
    caption = Caption::None;
    ending = Ending::Stopped;
    convention.reset();
    vehicle_road = false;
    adjusted_cost = {};
    allowance = {};
}

Reading Keep15Digits(double value) {
    if (value == 0 || !std::isfinite(value)) return {};
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    double read = 0;
    if (std::from_chars(text, end, read).ec == std::errc::result_out_of_range) {
        // Beyond the range of a double, or too small to be told from 0.
        return std::fabs(value) > 1 ? Reading{0, fault::kOverflow} : Reading{};
    }
    return {read, 0};
}

void ComputeSchedule(const Asset& asset, VehicleLimitSource* limits, Schedule& out) {
    out.Clear();
    detail::Calculation(asset, limits, out).Run();
}

namespace detail {

void Calculation::Met(Step step, int number, int quarter, double amount) {
    out_.faults.push_back({step, number, year_, quarter, amount});
}

void Calculation::Run() {
    adjusted_cost_ = a_.exchange ? a_.exchange->adjusted_cost_before : Reading{};
    allowance_ = a_.allowance_amount;
    try {
        Body();
    } catch (const Fault& f) {
        Met(Step::Calculation, f.number());
        out_.ending = Ending::Stopped;
    }
}

void Calculation::Body() {
    // The business use as given is read before anything else.
    if (a_.business_percent) Use(*a_.business_percent);
    Basis();
    if (!Life()) {
        out_.ending = Ending::NoLifeOrClass;
        return;
    }
    out_.convention = a_.convention;
    if (a_.convention == Convention::MidQuarter)
        quarter_ = QuarterOfMonth(a_.placed_in_service.month);
    if (a_.class_life && a_.vehicle != Vehicle::None) {
        Do(Step::Calculation, [&] { VehicleRoad(); });
        return;
    }
    // The special allowance comes off the MACRS basis.
    if (a_.allowance != Allowance::None && a_.method == Method::Macrs) {
        Do(Step::Calculation, [&] { basis_ = basis_ - Use(allowance_); });
    }
    // Straight line divides by the life as given, read again here.
    const double typed_life = a_.recovery_period ? Use(*a_.recovery_period) : 0;
    Years(typed_life);
}

void Calculation::Basis() {
    if (!a_.exchange) {
        out_.adjusted_cost.state = WorkedAmount::State::None;
        adjusted_cost_ = {};
        Do(Step::Calculation, [&] { basis_ = Use(a_.cost); });
        return;
    }
    // A replacement asset's basis: its cost less the sales price of the relinquished asset
    // plus that asset's adjusted basis; the allowance then comes off the adjusted cost.
    const Exchange& x = *a_.exchange;
    Do(Step::Calculation, [&] {
        const double cost = Use(a_.cost);
        const double sales = Use(x.sales_price);
        WriteAdjustedCost(cost - sales + Use(x.adjusted_basis));
    });
    Do(Step::Calculation, [&] { basis_ = Use(adjusted_cost_); });
    Do(Step::Calculation, [&] { WriteAdjustedCost(Use(adjusted_cost_) - Use(allowance_)); });
}

bool Calculation::Life() {
    // The number of rows: one more than the whole-number life.
    if (a_.recovery_period) {
        Do(Step::Calculation, [&] { life_ = Use(*a_.recovery_period); });
        Do(Step::Calculation, [&] { row_count_ = CInt(life_); });
    } else if (a_.class_life) {
        life_ = *a_.class_life;
        row_count_ = CInt(life_);
    } else {
        return false;
    }
    Do(Step::Calculation, [&] { row_count_ = CInt(row_count_ + 1.0); });
    return true;
}

void Calculation::WriteAdjustedCost(double value) {
    out_.adjusted_cost = {WorkedAmount::State::Worked, value};
    adjusted_cost_ = Keep15Digits(value);
}

void Calculation::WriteAllowance(double value) {
    out_.allowance = {WorkedAmount::State::Worked, value};
    allowance_ = Keep15Digits(value);
}

// ---------------------------------------------------------------- the years

void Calculation::Years(double typed_life) {
    // A year of sale is cut to the part before the sale and ends the schedule.
    bool sale_year = false;
    for (year_ = 1; year_ <= row_count_; ++year_) {
        double amount = 0;
        Do(Step::Calculation, [&] { amount = YearAmount(year_, typed_life); });
        if (a_.sold) Do(Step::Calculation, [&] { sale_year = IsSaleYear(year_); });
        if (sale_year) amount = CutSaleYear(amount);
        Row(year_, amount);
        if (sale_year) break;
    }
    out_.ending = Ending::Completed;
}

double Calculation::YearAmount(int year, double typed_life) {
    switch (a_.method) {
        case Method::StraightLine:
        case Method::Amortize:
            return StraightLineYear(year, typed_life);
        case Method::Macrs:
            return a_.convention == Convention::MidQuarter ? MidQuarterYear(year) : MacrsYear(year);
        case Method::Ads:
            return AdsYear(year);
        case Method::None:
            break;
    }
    return 0;
}

double Calculation::TableYear(int quarter, int year) {
    // A fault of a table year is the table's own: the year goes on without an amount.
    double amount = 0;
    Do(
        Step::MacrsTable,
        [&] {
            if (quarter == 0) {
                if (life_ == 28 || life_ == 27.5) {
                    amount = RealPropertyYear(RealProperty::Residential275, year);
                    return;
                }
                if (life_ == 32 || life_ == 31.5) {
                    amount = RealPropertyYear(RealProperty::NonResidential315, year);
                    return;
                }
                if (life_ == 39) {
                    amount = RealPropertyYear(RealProperty::NonResidential39, year);
                    return;
                }
            }
            // A life without a table leaves the caption as it was; a year beyond it does not.
            if (!amount::HasMacrsTable(life_)) Raise(fault::kSubscript);
            out_.caption = life_ <= 10 ? Caption::Macrs200 : Caption::Macrs150;
            amount = amount::MacrsTable(basis_, life_, year, quarter, a_.business_use);
        },
        quarter);
    return amount;
}

double Calculation::MacrsYear(int year) {
    return TableYear(0, year);
}

double Calculation::MidQuarterYear(int year) {
    if (quarter_ < 1 || quarter_ > 4) return 0;
    return TableYear(quarter_, year);
}

double Calculation::RealPropertyYear(RealProperty table, int year) {
    out_.caption = Caption::MacrsStraightLine;
    return amount::MidMonth(table, basis_, year, a_.placed_in_service.month).value_or(0);
}

double Calculation::AdsYear(int year) {
    double basis = basis_;
    if (a_.business_percent && a_.business_percent->value > 0) basis = basis * a_.business_use;
    const double result = amount::Ads(basis, life_, year, quarter_).value_or(0);
    // A division fault leaves before this line: the caption stays as it was.
    out_.caption = Caption::Ads;
    return result;
}

double Calculation::StraightLineYear(int year, double life) {
    return amount::StraightLine(basis_, life, year, a_.placed_in_service.month).value_or(0);
}

// ---------------------------------------------------------------- the year of sale

bool Calculation::IsSaleYear(int year) const {
    if (!a_.sold) return false;
    if (!a_.placed_in_service.dated || !a_.sold->dated) Raise(fault::kTypeMismatch);
    return a_.placed_in_service.year + year - 1 == a_.sold->year;
}

double Calculation::CutSaleYear(double amount) const {
    return DisposalYearPart(a_.convention, a_.sold->month).Of(amount);
}

// ---------------------------------------------------------------- the rows

void Calculation::ReadRowBasis() {
    row_basis_read_ = true;
    try {
        const double adjusted = Use(adjusted_cost_);
        row_allowance_ = Use(allowance_);
        double basis = adjusted <= 0 ? Use(a_.cost) : Fits(adjusted + row_allowance_);
        if (a_.business_percent) {
            const double v = Use(*a_.business_percent);
            basis = Fits(basis * v);
            if (v > 1) basis = basis * 0.01;
        }
        row_basis_ = {basis, 0};
    } catch (const Fault& f) {
        row_basis_ = {0, f.number()};
    }
}

void Calculation::Row(int year, double amount) {
    Do(Step::Row, [&] {
        // The basis is the same for every row: read once, and a read that failed fails every
        // row the same way.
        if (!row_basis_read_) ReadRowBasis();
        const double basis = Use(row_basis_);
        // Level schedules repeat one amount year after year: rounded once.
        if (amount != last_amount_) {
            last_amount_ = amount;
            last_rounded_ = RoundEven(amount, 2);
        }
        running_total_ = Fits(running_total_ + last_rounded_);
        double left = Fits(basis - row_allowance_ - running_total_);
        if (left < 1.00) left = 0;
        const int first = a_.placed_in_service.year;
        const int base = first != 0 ? first - 1 : 0;
        out_.rows.push_back({year, base + year, amount, left});
    });
}

}  // namespace detail
}  // namespace orvane
