#include "engine/bonus_allowance.h"

namespace orvane::reg {

int AllowancePercentByDates(Day acquired, Day placed) {
    if (!acquired.given()) acquired = placed;
    const int year = placed.year();
    if (acquired > Day::Of(2025, 1, 19)) return 100;
    if (acquired >= Day::Of(2017, 9, 28)) {
        if (year < 2023) return 100;
        switch (year) {
            case 2023:
                return 80;
            case 2024:
                return 60;
            case 2025:
                return 40;
            case 2026:
                return 20;
            default:
                return 0;
        }
    }
    switch (year) {
        case 2017:
            return 50;
        case 2018:
            return 40;
        case 2019:
            return 30;
        default:
            break;
    }
    if (year >= 2008 && year <= 2016) {
        return acquired > Day::Of(2010, 9, 8) && placed < Day::Of(2012, 1, 1) ? 100 : 50;
    }
    return 0;
}

bool AllowancePercentAllowed(int percent, Day acquired, Day placed) {
    const int by_dates = AllowancePercentByDates(acquired, placed);
    if (percent == 0 || percent == by_dates) return true;
    if (by_dates == 100 && percent == 40 && placed.year() == 2025) return true;
    if (by_dates == 100 && percent == 50 && placed.year() == 2017) return true;
    return placed.year() < 2008 && percent > 0 && percent <= 100;
}

bool AllowanceEligible(const AssetInput& a, int recovery_halves) {
    if (a.real() || a.kind == Kind::Land || a.listed_minor_use()) return false;
    if (a.kind == Kind::Qip) return true;
    return recovery_halves > 0 && recovery_halves <= 40;
}

int AllowancePercent(const AssetInput& a, int recovery_halves) {
    if (a.allowance == AllowanceMode::None || a.disposed_same_year()) return 0;
    if (!AllowanceEligible(a, recovery_halves)) return 0;
    if (a.allowance == AllowanceMode::Percent) return a.allowance_percent;
    return AllowancePercentByDates(a.acquired, a.placed);
}

}  // namespace orvane::reg
