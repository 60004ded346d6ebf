#include "app/model/asset_reading.h"

#include <algorithm>

#include "app/model/classes.h"
#include "app/model/status_texts.h"
#include "base/fault.h"
#include "base/numtext.h"

namespace orvane {
namespace {

constexpr std::string_view kMacrs = "MACRS";
constexpr std::string_view kAds = "ADS";

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

std::string_view LastFour(std::string_view s) {
    return s.size() <= 4 ? s : s.substr(s.size() - 4);
}

// The leading-number reading of a text, or its fault.
Reading Leading(std::string_view text) {
    if (text.empty()) return {};
    try {
        return {Val(text), 0};
    } catch (const Fault& f) {
        return {0, f.number()};
    }
}

// The full conversion of a text, or its fault.
Reading Full(std::string_view text) {
    try {
        return {CDbl(text), 0};
    } catch (const Fault& f) {
        return {0, f.number()};
    }
}

// A masked month: its month as MonthOf reads it, its year as the last four characters read
// (digits or blanks in a masked box, which cannot fault), and whether it is a date.
AssetMonth MonthOfYear(std::string_view text) {
    if (text.size() == 7 && text[2] == '/') {
        // Filled in, the usual case: the readings agree on the digits.
        int digits[6];
        bool all = true;
        for (int i = 0, at = 0; i < 7; ++i) {
            if (i == 2) continue;
            digits[at] = text[static_cast<std::size_t>(i)] - '0';
            all = all && digits[at] >= 0 && digits[at] <= 9;
            ++at;
        }
        if (all) {
            const int month = digits[0] * 10 + digits[1];
            const int year = ((digits[2] * 10 + digits[3]) * 10 + digits[4]) * 10 + digits[5];
            return {month, year, month >= 1 && month <= 12 && year >= 100};
        }
    }
    AssetMonth m;
    m.month = MonthOf(text);
    try {
        m.year = CInt(Val(LastFour(text)));
    } catch (const Fault&) {
        m.year = 0;
    }
    try {
        ReadMonthDate(text);
    } catch (const Fault&) {
        m.dated = false;
    }
    return m;
}

Allowance AllowanceOf(const AssetRecord& r) {
    if (r.bonus100) return Allowance::Percent100;
    if (r.bonus50) return Allowance::Percent50;
    if (r.bonus30) return Allowance::Percent30;
    return Allowance::None;
}

}  // namespace

MonthDate ReadMonthDate(std::string_view text) {
    if (text.size() != 7 || text[2] != '/') Raise(fault::kTypeMismatch);
    std::string_view mm = text.substr(0, 2);
    std::string_view yyyy = text.substr(3);
    if (!AllDigits(mm) || !AllDigits(yyyy)) Raise(fault::kTypeMismatch);
    int month = (mm[0] - '0') * 10 + (mm[1] - '0');
    int year = 0;
    for (char ch : yyyy)
        year = year * 10 + (ch - '0');
    if (month < 1 || month > 12 || year < 100) Raise(fault::kTypeMismatch);
    return {year, month};
}

int MonthOf(std::string_view text) {
    if (text.size() >= 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9')
        return (text[0] - '0') * 10 + (text[1] - '0');
    return CInt(Val(text.substr(0, std::min<size_t>(2, text.size()))));
}

InputCheck CheckInputs(const AssetRecord& a, double& business_percent) {
    using C = MainCtl;
    const std::string_view method = a.method;
    const std::string_view life = a.life;
    if (Val(a.cost) == 0) return {status::kCostMissing, C::txtCost, C::lblCost};
    if (method.empty()) return {status::kMethodMissing, C::cboMethod, C::lblMethod};
    if (a.in_service == kBlankMonth) {
        return {status::kInServiceMissing, C::txtInService, C::lblInService};
    }
    int month = MonthOf(a.in_service);
    if (month < 1 || month > 12) {
        return {status::kInServiceInvalid, C::txtInService, C::lblInService};
    }
    if (method != kMacrs && method != kAds && life.empty()) {
        return {status::kLifeMissing, C::cboLife, C::lblLife};
    }
    if (Val(life) > 43) return {status::kLifeOver43, C::cboLife, C::lblLife};
    if (method == kMacrs && !life.empty()) {
        double l = CDbl(life);
        if (l != 3 && l != 5 && l != 7 && l != 10 && l != 15 && l != 20 && l != 27.5 && l != 31.5 &&
            l != 39) {
            return {status::kMacrsLife};
        }
    }
    business_percent = BusinessFraction(a.business_percent);
    if (business_percent > 0 && method == kMacrs &&
        !(business_percent >= 0.51 && business_percent <= 1.0)) {
        return {status::kMacrsBusiness};
    }
    if (!a.sales_price.empty() && a.adj_tax_basis.empty()) {
        return {status::kAdjTaxBasisRequired, C::txtAdjTaxBasis, C::lblAdjTaxBasis};
    }
    if (a.sales_price.empty() && !a.adj_tax_basis.empty()) {
        return {status::kSalesPriceRequired, C::txtSalesPrice, C::lblSalesPrice};
    }
    if (a.bonus30 && ReadMonthDate(a.in_service) < MonthDate{2001, 9}) {
        return {status::kBonus30Date, C::None, C::chkBonus};
    }
    if (a.bonus50 && ReadMonthDate(a.in_service) < MonthDate{2003, 5}) {
        return {status::kBonus50Date, C::None, C::chkBonus50};
    }
    return {};
}

double BusinessFraction(std::string_view t) {
    if ((t.size() >= 2 && t[1] == '.') || (!t.empty() && t[0] == '.')) return Val(t);
    if (t.empty()) return 1.0;
    return Val(t) * 0.01;
}

std::string AllowanceText(std::string_view cost_text, std::string_view business, bool bonus30,
                          bool bonus50, bool bonus100) {
    // Both are read whether a box is checked or not: a reading that overflows faults either way.
    double v = Val(business);
    double p = 1.0;
    if (!business.empty()) {
        if (v > 1) {
            p = v * 0.01;
        } else if (v < 1) {
            p = v;
        }
    }
    double cost = Val(cost_text);
    // Each checked box overwrites what an earlier one wrote.
    if (bonus100) return CStr(cost * p);
    if (bonus50) return CStr(cost * p * 0.5);
    if (bonus30) return CStr(cost * p * 0.3);
    return {};
}

Method MethodOf(std::string_view text) {
    if (text == kMacrs) return Method::Macrs;
    if (text == kAds) return Method::Ads;
    if (text == "Straight Line") return Method::StraightLine;
    if (text == "Amortize") return Method::Amortize;
    return Method::None;
}

Asset ReadAsset(const AssetRecord& r, const ReadingContext& context) {
    Asset a;
    a.method = MethodOf(r.method);
    a.cost = Full(r.cost);
    // Digits with a point at most read the same both ways.
    const bool plain = std::all_of(r.cost.begin(), r.cost.end(),
                                   [](char ch) { return (ch >= '0' && ch <= '9') || ch == '.'; });
    a.cost_leading = plain && a.cost.fault == 0 ? a.cost : Leading(r.cost);
    if (!r.sales_price.empty() && !r.cost.empty() && !r.adj_tax_basis.empty()) {
        a.exchange =
            Exchange{Full(r.sales_price), Full(r.adj_tax_basis), Leading(*r.adjusted_cost)};
    }
    if (!r.life.empty()) a.recovery_period = Leading(r.life);
    if (r.class_index >= 0) {
        a.class_life = r.class_life;
        a.vehicle = VehicleOf(r.class_text);
    }
    if (r.in_service == kBlankMonth) {
        a.placed_in_service = {MonthOf(r.in_service), context.this_year, false};
    } else {
        a.placed_in_service = MonthOfYear(r.in_service);
    }
    if (r.date_sold != kBlankMonth) a.sold = MonthOfYear(r.date_sold);
    a.business_use = context.business_use;
    if (!r.business_percent.empty()) a.business_percent = Leading(r.business_percent);
    if (!r.convention_enabled) {
        a.convention = Convention::None;
    } else {
        const int code = r.convention >= 0 ? r.convention : context.convention_code;
        a.convention = static_cast<Convention>(code);
    }
    a.allowance = AllowanceOf(r);
    a.allowance_amount = Leading(*r.allowance);
    return a;
}

}  // namespace orvane
