#pragma once
// Which of the main window's boxes the method, the life and the class leave open: the one place
// that decides the life and class lists, the business use, Mid Month and its lock, and the
// allowance. The window's handlers apply it; the batch applies it to a line's choices.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/model/classes.h"

namespace orvane {

// What becomes of the business-use box.
enum class BusinessUseBox : std::uint8_t {
    Closed,   // emptied and closed
    Open,     // open, with "100"
    Emptied,  // emptied, open or closed as it was
};

// The business-use box's text when it opens.
inline constexpr std::string_view kFullBusinessUse = "100";

struct FieldRules {
    bool lists = false;  // MACRS and ADS: a life list, a class list and the conventions
    BusinessUseBox business_use = BusinessUseBox::Closed;
    bool mid_month_only = false;  // real property: Mid Month, and no other convention
    bool allowance = false;       // the special allowance may be taken
};

// Whether a method has a life list, a class list and conventions: MACRS and ADS.
bool HasLists(std::string_view method);

// The class list of a method: MACRS's or ADS's; none for the others.
std::span<const AssetClass> ClassesOf(std::string_view method);

// The business-use box for a life given, which typing a life changes and nothing else: open
// for "5" under MACRS or ADS.
BusinessUseBox BusinessUseForLife(std::string_view method, std::string_view life);

// The rules for `method` (the method list's text) with the class `chosen`, or, without one,
// with the life box's text `life`:
// - the lists and the conventions under MACRS and ADS;
// - the business use open at 100 for a life of "5" under MACRS or ADS, and for the 5-year
//   listed-property classes; emptied for the other 5-year classes; closed otherwise;
// - Mid Month alone above a life of 27 under MACRS or ADS;
// - the allowance below a life of 21 (for a life given, under MACRS only).
FieldRules RulesFor(std::string_view method, std::string_view life, const AssetClass* chosen);

// The convention buttons (Half Year, Mid Quarter, Mid Month) after a life or a class: Mid Month
// alone, and chosen, for real property; otherwise Half Year chosen and Mid Month closed.
struct ConventionButtons {
    std::array<bool, 3> enabled;
    int selected;
};
constexpr ConventionButtons ConventionsAfter(bool mid_month_only) {
    return {{!mid_month_only, !mid_month_only, mid_month_only}, mid_month_only ? 2 : 0};
}

}  // namespace orvane
