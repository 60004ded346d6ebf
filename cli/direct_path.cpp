#include "cli/direct_path.h"

#include <algorithm>
#include <array>

#include "app/model/classes.h"
#include "app/model/field_rules.h"
#include "app/model/main_window_model.h"
#include "base/numtext.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kMacrs = "MACRS";

// A text that the filtered boxes (cost, amounts, business use, life) take key by key as it is:
// digits and points, within the box's length limit (0: none).
bool PlainNumber(std::string_view v, int max_length) {
    if (max_length > 0 && v.size() > static_cast<std::size_t>(max_length)) return false;
    return std::all_of(v.begin(), v.end(),
                       [](char ch) { return ch == '.' || (ch >= '0' && ch <= '9'); });
}

bool Digits(std::string_view v) {
    return std::all_of(v.begin(), v.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// "mmyyyy" or "mm/yyyy" typed over a masked month box: the box reads "mm/yyyy".
bool MonthText(std::string_view v, std::string& out) {
    if (v.size() == 6 && Digits(v)) {
        out.assign(v.substr(0, 2)).append("/").append(v.substr(2));
        return true;
    }
    if (v.size() == 7 && v[2] == '/' && Digits(v.substr(0, 2)) && Digits(v.substr(3))) {
        out.assign(v);
        return true;
    }
    return false;
}

template <class List>
int IndexOf(const List& list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<int>(i);
    }
    return -1;
}

int ChoiceIndex(std::string_view v, std::initializer_list<std::string_view> choices) {
    int i = 0;
    for (std::string_view c : choices) {
        if (c == v) return i;
        ++i;
    }
    return -1;
}

// What the window's handlers leave in the fields that the schedule reads, followed action by
// action. Each step mirrors the handlers of the action's control; a step that a person could
// not take (a disabled control, an entry not in the list) or that would need more than these
// rules say gives up.
struct Window {
    // Asset type and its fields.
    int asset_type = 0;
    std::string_view sales, adj;
    bool sold_enabled = false;
    const std::string* sold = nullptr;  // the blank month while null
    // Method, life and class.
    std::string_view method;
    bool method_has_lists = false;  // MACRS or ADS
    std::string_view life;
    bool life_or_class = false;  // one of the three was given
    const AssetClass* cls = nullptr;
    // Business use.
    std::string_view business;
    bool business_enabled = false;
    // Conventions: the frame, each button, the selected one.
    bool frame = false;
    std::array<bool, 3> conv_enabled{false, false, false};
    int convention = 0;
    // Allowance boxes.
    bool bonus_enabled = false;
    int bonus = -1;
    std::string_view cost;
    const std::string* in_service = nullptr;

    // The convention buttons after a life or class: Mid Month alone for real property.
    void MidMonth(bool lock) {
        conv_enabled = {!lock, !lock, lock};
        convention = lock ? 2 : 0;
    }
    // The business-use box after a life or class.
    void BusinessUse(BusinessUseBox box) {
        business = box == BusinessUseBox::Open ? std::string_view("100") : std::string_view();
        if (box != BusinessUseBox::Emptied) business_enabled = box == BusinessUseBox::Open;
    }
};

}  // namespace

DirectPath::DirectPath(const Services& services, VehicleLimitSource* limits, std::string in_service)
    : services_(services),
      depr_(controls_, services),
      limits_(limits),
      in_service_(std::move(in_service)) {}

bool DirectPath::Run(std::span<const GivenView> actions, std::span<const Act> acts,
                     ScheduleRows& rows) {
    Window w;
    w.in_service = &in_service_;
    bool seen_method = false, seen_allowance = false, seen_asset_type = false;
    for (std::size_t k = 0; k < actions.size(); ++k) {
        const std::string_view v = actions[k].value;
        switch (acts[actions[k].index]) {
            case Act::AssetType: {
                int i = ChoiceIndex(v, {"regular", "relinquished", "replacement"});
                if (i < 0 || seen_asset_type) return false;
                seen_asset_type = true;
                if (i == w.asset_type) break;
                w.asset_type = i;
                w.sales = w.adj = {};
                w.sold_enabled = i == 1;
                if (i != 1) w.sold = nullptr;
                break;
            }
            case Act::Method: {
                // The method comes before everything its handler resets.
                if (w.life_or_class || w.bonus >= 0 || seen_allowance) return false;
                if (IndexOf(MethodChoices(), v) < 0) return false;
                seen_method = true;
                if (v == w.method) break;
                w.method = v;
                w.method_has_lists = HasLists(v);
                w.life = {};
                w.business = {};
                w.business_enabled = false;
                w.frame = w.method_has_lists;
                w.conv_enabled = {w.method_has_lists, w.method_has_lists, false};
                w.convention = 0;
                w.bonus_enabled = false;
                break;
            }
            case Act::Life: {
                if (w.life_or_class || IndexOf(LifeChoices(w.method), v) < 0) return false;
                w.life_or_class = true;
                w.life = v;
                const FieldRules rules = RulesFor(w.method, v, nullptr);
                w.BusinessUse(rules.business_use);
                w.MidMonth(rules.mid_month_only);
                w.bonus_enabled = rules.allowance;
                break;
            }
            case Act::TypeLife: {
                if (w.life_or_class || !seen_method || v.empty() || !PlainNumber(v, 0))
                    return false;
                // Under MACRS and ADS a life of 5 opens the business use and takes the focus
                // there: typing on would go into that box.
                if (w.method_has_lists && v[0] == '5' && v.size() > 1) return false;
                w.life_or_class = true;
                w.life = v;
                // Typed, the life sets the business use only.
                w.BusinessUse(BusinessUseForLife(w.method, v));
                break;
            }
            case Act::Class: {
                if (w.life_or_class || !w.method_has_lists) return false;
                auto classes = w.method == kMacrs ? MacrsClasses() : AdsClasses();
                auto found = std::find_if(classes.begin(), classes.end(),
                                          [&](const AssetClass& c) { return c.text == v; });
                // Vehicles read the limit files: the window's road.
                if (found == classes.end() || VehicleOf(found->text) != Vehicle::None) return false;
                w.life_or_class = true;
                w.cls = &*found;
                w.life = {};
                w.business = {};
                const FieldRules rules = RulesFor(w.method, {}, w.cls);
                w.BusinessUse(rules.business_use);
                w.MidMonth(rules.mid_month_only);
                w.bonus_enabled = rules.allowance;
                break;
            }
            case Act::Business:
                if (!w.business_enabled ||
                    !PlainNumber(v, Design(MainCtl::txtBusinessPercent).max_length)) {
                    return false;
                }
                w.business = v;
                break;
            case Act::Convention: {
                int i = ChoiceIndex(v, {"half-year", "mid-quarter", "mid-month"});
                if (i < 0 || !w.frame || !w.conv_enabled[i]) return false;
                w.convention = i;
                break;
            }
            case Act::InService:
                if (!MonthText(v, month_text_[0])) return false;
                w.in_service = &month_text_[0];
                break;
            case Act::Cost:
                if (!PlainNumber(v, Design(MainCtl::txtCost).max_length)) return false;
                w.cost = v;
                break;
            case Act::Allowance: {
                int i = ChoiceIndex(v, {"30", "50", "100"});
                if (i < 0 || seen_allowance || !w.bonus_enabled) return false;
                seen_allowance = true;
                w.bonus = i;
                break;
            }
            case Act::SalesPrice:
            case Act::AdjTaxBasis: {
                const bool sales = acts[actions[k].index] == Act::SalesPrice;
                if (w.asset_type != 2 ||
                    !PlainNumber(v, Design(sales ? MainCtl::txtSalesPrice : MainCtl::txtAdjTaxBasis)
                                        .max_length)) {
                    return false;
                }
                (sales ? w.sales : w.adj) = v;
                break;
            }
            case Act::Sold:
                if (!w.sold_enabled || !MonthText(v, month_text_[1])) return false;
                w.sold = &month_text_[1];
                break;
            case Act::Description:
                // Only a tab or a line end in it would do more than fill the box.
                if (std::any_of(v.begin(), v.end(),
                                [](char ch) { return static_cast<unsigned char>(ch) < 0x20; })) {
                    return false;
                }
                break;
            case Act::Calculate:
                if (k + 1 != actions.size()) return false;
                break;
            case Act::Other:
                return false;
        }
    }

    // The record the window would hold when Calculate starts.
    std::string& allowance = controls_[MainCtl::lblAllowance].caption;
    std::string& adjusted_cost = controls_[MainCtl::lblAdjCost].caption;
    allowance = AllowanceText(w.cost, w.business, w.bonus == 0, w.bonus == 1, w.bonus == 2);
    adjusted_cost.clear();
    AssetRecord asset;
    asset.cost = w.cost;
    asset.method = w.method;
    asset.life = w.life;
    asset.in_service = *w.in_service;
    asset.business_percent = w.business;
    asset.sales_price = w.sales;
    asset.adj_tax_basis = w.adj;
    asset.date_sold = w.sold ? std::string_view(*w.sold) : kBlankMonth;
    if (w.cls) {
        auto classes = w.method == kMacrs ? MacrsClasses() : AdsClasses();
        asset.class_index = static_cast<int>(w.cls - classes.data());
        asset.class_text = w.cls->text;
        asset.class_life = w.cls->life;
    }
    asset.convention_enabled = w.frame;
    asset.convention = w.convention;
    asset.bonus30 = w.bonus == 0;
    asset.bonus50 = w.bonus == 1;
    asset.bonus100 = w.bonus == 2;
    asset.allowance = &allowance;
    asset.adjusted_cost = &adjusted_cost;

    // Inputs that fail their checks show the window's marks: the window's road.
    depr_.state = DeprState{};
    depr_.vehicle_limits = limits_;
    depr_.rows = &rows;
    try {
        if (CheckInputs(asset, depr_.state.business_percent).failed()) return false;
    } catch (const Fault&) {
        return false;
    }

    // Calculate, as the window runs it.
    ErrorTrap trap(*services_.messages, "Calculation Error");
    depr_.StartSchedule(trap, false);
    trap.Run([&] { depr_.BuildSchedule(trap, asset); });
    return true;
}

}  // namespace orvane::cli
