#include "app/model/field_rules.h"

#include "base/numtext.h"

namespace orvane {

bool HasLists(std::string_view method) {
    return method == "MACRS" || method == "ADS";
}

std::span<const AssetClass> ClassesOf(std::string_view method) {
    if (method == "MACRS") return MacrsClasses();
    if (method == "ADS") return AdsClasses();
    return {};
}

BusinessUseBox BusinessUseForLife(std::string_view method, std::string_view life) {
    return HasLists(method) && life == "5" ? BusinessUseBox::Open : BusinessUseBox::Closed;
}

FieldRules RulesFor(std::string_view method, std::string_view life, const AssetClass* chosen) {
    FieldRules r;
    r.lists = HasLists(method);
    if (chosen != nullptr) {
        if (chosen->life != 5) {
            r.business_use = BusinessUseBox::Closed;
        } else {
            r.business_use = BusinessUseApplies(chosen->text, chosen->life)
                                 ? BusinessUseBox::Open
                                 : BusinessUseBox::Emptied;
        }
        r.mid_month_only = r.lists && chosen->life > 27;
        r.allowance = chosen->life < 21;
        return r;
    }
    r.business_use = BusinessUseForLife(method, life);
    if (r.lists) {
        // The life is read as a number only where it matters.
        const double years = Val(life);
        r.mid_month_only = years > 27;
        r.allowance = years < 21 && method == "MACRS";
    }
    return r;
}

}  // namespace orvane
