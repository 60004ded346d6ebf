#include "engine/amounts.h"

#include "base/fault.h"
#include "base/numtext.h"
#include "engine/conventions.h"

namespace orvane::amount {
namespace {

// Division with the program's faults: x / 0 is fault 11, 0 / 0 is fault 6.
double Div(double a, double b) {
    if (b == 0) Raise(a == 0 ? fault::kOverflow : fault::kDivisionByZero);
    return a / b;
}

}  // namespace

bool HasMacrsTable(double life) {
    return life == 3 || life == 5 || life == 7 || life == 10 || life == 15 || life == 20;
}

double MacrsTable(double basis, double life, int year, int quarter, double business_use) {
    if (!HasMacrsTable(life)) Raise(fault::kSubscript);
    auto rates = MacrsRates(quarter, static_cast<int>(life));
    if (year < 1 || year > static_cast<int>(rates.size())) Raise(fault::kSubscript);
    double rate = rates[year - 1];
    if (life == 5) rate = rate * business_use;
    return basis * rate;
}

std::optional<double> MidMonth(RealProperty table, double basis, int year, int month) {
    auto rate = RealPropertyRate(table, year, month);
    if (!rate) return std::nullopt;
    return basis * *rate;
}

std::optional<double> StraightLine(double basis, double life, int year, int month) {
    if (year == 1) return Div((13 - month) / 12.0 * basis, life);
    if (year >= 2 && year <= RoundEven(life)) return Div(basis, life);
    if (year == RoundEven(life + 1)) return Div((month - 1) / 12.0 * basis, life);
    return std::nullopt;
}

std::optional<double> Ads(double basis, double life, int year, int quarter) {
    bool known_quarter = quarter >= 0 && quarter <= 4;
    double whole = RoundEven(life);
    double last = RoundEven(life + 1);
    // The first year's part by the in-service quarter (0: half year); the last year has what
    // the first lacked, the part of a disposal in the same quarter.
    const Convention c = quarter == 0 ? Convention::HalfYear : Convention::MidQuarter;
    if (year == 1) {
        if (!known_quarter) return std::nullopt;
        return basis * RoundEven(Div(FirstYearPart(c, 3 * quarter).Fraction(), life), 4);
    }
    if (year >= 2 && year <= whole) return Div(basis, life);
    if (year == last) {
        if (!known_quarter) return std::nullopt;
        return basis * RoundEven(Div(DisposalYearPart(c, 3 * quarter).Fraction(), life), 4);
    }
    return std::nullopt;
}

}  // namespace orvane::amount
