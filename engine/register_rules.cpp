#include "engine/register_rules.h"

#include "engine/bonus_allowance.h"

namespace orvane::reg {
namespace {

constexpr int kGdsClasses[] = {3, 5, 7, 10, 15, 20, 25};

bool IsGdsClass(int halves) {
    if (halves % 2 != 0) return false;
    for (int c : kGdsClasses) {
        if (c * 2 == halves) return true;
    }
    return false;
}

bool UnderAds(const AssetInput& a) {
    return a.system == System::Ads || a.listed_minor_use();
}

int Factor(Method m) {
    switch (m) {
        case Method::Db200:
            return 200;
        case Method::Db150:
            return 150;
        case Method::Sl:
            return 100;
        case Method::Default:
            break;
    }
    return 0;
}

Problem CheckRecovery(const AssetInput& a) {
    const int own = RecoveryOfKind(a);
    if (a.kind == Kind::Land) return Problem::None;
    if (own != 0) {
        return a.recovery_halves != 0 && a.recovery_halves != own ? Problem::RecoveryNotOfKind
                                                                  : Problem::None;
    }
    if (a.recovery_halves == 0) return Problem::RecoveryMissing;
    if (a.listed_minor_use() && a.system == System::Gds) return Problem::AdsRequired;
    if (a.system == System::Gds) {
        return IsGdsClass(a.recovery_halves) ? Problem::None : Problem::RecoveryNotGdsClass;
    }
    return a.recovery_halves >= 2 && a.recovery_halves <= 100 ? Problem::None
                                                              : Problem::RecoveryOutOfRange;
}

Problem CheckSection179(const AssetInput& a) {
    if (a.section179 == 0) return Problem::None;
    if (!(a.kind != Kind::Land && !a.real())) return Problem::Section179NotProperty;
    if (a.listed_minor_use()) return Problem::Section179MinorUse;
    if (a.section179 > BusinessPart(a.cost, a.business_bp)) return Problem::Section179OverCost;
    return Problem::None;
}

Problem CheckAllowance(const AssetInput& a, int recovery_halves) {
    if (a.allowance != AllowanceMode::Percent || a.allowance_percent == 0) return Problem::None;
    if (!AllowanceEligible(a, recovery_halves)) return Problem::AllowanceNotEligible;
    if (!AllowancePercentAllowed(a.allowance_percent, a.acquired, a.placed))
        return Problem::AllowancePercentNotAllowed;
    return Problem::None;
}

Problem CheckDates(const AssetInput& a) {
    if (a.kind == Kind::Qip && a.placed < Day::Of(2018, 1, 1)) return Problem::QipBefore2018;
    if (a.acquired.given() && a.acquired > a.placed) return Problem::AcquiredAfterPlaced;
    if (a.disposed.given() && a.disposed < a.placed) return Problem::DisposedBeforePlaced;
    if (!a.disposed.given() && a.proceeds != 0) return Problem::ProceedsWithoutDisposal;
    if (a.prior != 0 && a.prior_through == 0) return Problem::PriorWithoutYear;
    if (a.prior_through != 0 && a.prior_through < a.placed.year())
        return Problem::PriorYearBeforePlaced;
    if (a.prior > BusinessPart(a.cost, a.business_bp)) return Problem::PriorOverCost;
    return Problem::None;
}

}  // namespace

int RecoveryOfKind(const AssetInput& a) {
    const bool ads = UnderAds(a);
    switch (a.kind) {
        case Kind::Residential:
            // ADS 30 years for property placed in service after 2017, 40 before.
            return ads ? (a.placed.year() >= 2018 ? 60 : 80) : 55;
        case Kind::Nonresidential:
            if (ads) return 80;
            return a.placed < Day::Of(1993, 5, 13) ? 63 : 78;
        case Kind::Qip:
            return ads ? 40 : 30;
        case Kind::Auto:
        case Kind::Truck:
        case Kind::Suv:
            return 10;
        case Kind::Personal:
        case Kind::Land:
            break;
    }
    return 0;
}

int DefaultFactor(const AssetInput& a, int recovery_halves) {
    if (UnderAds(a) || a.real() || a.kind == Kind::Qip) return 100;
    if (recovery_halves <= 20) return 200;
    return recovery_halves <= 40 ? 150 : 100;
}

AssetClass ClassOf(const AssetInput& a) {
    AssetClass c;
    if (a.kind == Kind::Land) return c;
    const int own = RecoveryOfKind(a);
    c.recovery_halves = own != 0 ? own : a.recovery_halves;
    c.system = UnderAds(a) ? System::Ads : System::Gds;
    const int fallback = DefaultFactor(a, c.recovery_halves);
    c.factor_percent =
        a.method == Method::Default || c.system == System::Ads ? fallback : Factor(a.method);
    c.mid_month = a.real();
    if (c.system == System::Gds && a.kind == Kind::Residential) {
        c.rates = RateSource::Residential;
    } else if (c.system == System::Gds && a.kind == Kind::Nonresidential &&
               c.recovery_halves == 78) {
        c.rates = RateSource::Nonresidential39;
    } else if (c.factor_percent == 100) {
        c.rates = RateSource::StraightLine;
    } else if (c.factor_percent == fallback && c.system == System::Gds) {
        c.rates = RateSource::GdsTable;
    } else {
        c.rates = RateSource::Formula;
    }
    return c;
}

Problem CheckAsset(const AssetInput& a) {
    if (Problem p = CheckDates(a); p != Problem::None) return p;
    if (Problem p = CheckRecovery(a); p != Problem::None) return p;
    if (a.kind == Kind::Land) return CheckSection179(a);
    const AssetClass c = ClassOf(a);
    if (a.method != Method::Default) {
        const int wanted = Factor(a.method);
        if (wanted > DefaultFactor(a, c.recovery_halves)) return Problem::MethodNotAllowed;
    }
    if (a.convention != Convention::None && (a.convention == Convention::MidMonth) != a.real()) {
        return Problem::ConventionNotOfKind;
    }
    if (Problem p = CheckSection179(a); p != Problem::None) return p;
    return CheckAllowance(a, c.recovery_halves);
}

char FormRow(const AssetInput& a, const AssetClass& c) {
    if (a.kind == Kind::Land) return 0;
    if (c.system == System::Ads) {
        if (a.kind == Kind::Residential) return c.recovery_halves == 60 ? 'c' : 'd';
        if (a.kind == Kind::Nonresidential) return 'd';
        return c.recovery_halves == 24 ? 'b' : 'a';
    }
    switch (a.kind) {
        case Kind::Residential:
            return 'h';
        case Kind::Nonresidential:
            return 'i';
        case Kind::Qip:
            return 'e';
        default:
            break;
    }
    switch (c.recovery_halves / 2) {
        case 3:
            return 'a';
        case 5:
            return 'b';
        case 7:
            return 'c';
        case 10:
            return 'd';
        case 15:
            return 'e';
        case 20:
            return 'f';
        default:
            return 'g';
    }
}

}  // namespace orvane::reg
