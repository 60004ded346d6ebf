#include "cli/direct_path.h"

#include <algorithm>
#include <array>

#include "app/model/classes.h"
#include "app/model/field_rules.h"
#include "app/model/main_window_controls.h"
#include "app/model/main_window_model.h"
#include "engine/schedule.h"

namespace orvane::cli {
namespace {

// A text that the filtered boxes (cost, amounts, business use, life) take key by key as it is:
// digits and points, within the box's length limit (0: none).
bool PlainNumber(std::string_view v, int max_length) {
    if (max_length > 0 && v.size() > static_cast<std::size_t>(max_length)) return false;
    return std::all_of(v.begin(), v.end(),
                       [](char ch) { return ch == '.' || (ch >= '0' && ch <= '9'); });
}

bool PlainNumber(std::string_view v, MainCtl box) {
    return PlainNumber(v, Design(box).max_length);
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

// What the window's handlers leave in the fields that the schedule reads, followed action by
// action. Each step follows the handlers of the action's control; a step that a person could
// not take (a disabled control, an entry not in the list) or that would need more than these
// rules say gives up.
class Window {
  public:
    Window(const std::string& in_service, std::string (&months)[2])
        : in_service_(&in_service), months_(months) {}

    // Takes the action `act` with its value (`choice`: its place in the action's choices);
    // false when the line needs the window.
    bool Take(Act act, std::string_view v, int choice, bool last);
    // The record as Calculate finds it, its working fields in `allowance` and `adjusted_cost`.
    AssetRecord Record(std::string& allowance, std::string& adjusted_cost) const;

  private:
    bool AssetType(int i);
    bool Method(std::string_view v);
    bool Life(std::string_view v);
    bool TypeLife(std::string_view v);
    bool Class(std::string_view v);
    bool Convention(int i);
    bool Allowance(int i);
    // A life or a class chosen: the boxes as the rules leave them.
    void Apply(const FieldRules& rules);
    void BusinessUse(BusinessUseBox box);

    // Asset type and its fields.
    int asset_type_ = 0;
    bool seen_asset_type_ = false;
    std::string_view sales_, adj_;
    bool sold_enabled_ = false;
    const std::string* sold_ = nullptr;  // the blank month while null
    // Method, life and class.
    std::string_view method_;
    bool seen_method_ = false;
    bool method_has_lists_ = false;  // MACRS or ADS
    std::string_view life_;
    bool life_or_class_ = false;  // one of the three was given
    const AssetClass* class_ = nullptr;
    // Business use.
    std::string_view business_;
    bool business_enabled_ = false;
    // Conventions: the frame, each button, the selected one.
    bool frame_ = false;
    std::array<bool, 3> conv_enabled_{false, false, false};
    int convention_ = 0;
    // Allowance boxes.
    bool bonus_enabled_ = false;
    bool seen_allowance_ = false;
    int bonus_ = -1;
    std::string_view cost_;
    const std::string* in_service_;
    std::string (&months_)[2];  // in service, date sold
};

bool Window::Take(Act act, std::string_view v, int choice, bool last) {
    switch (act) {
        case Act::AssetType:
            return choice >= 0 && AssetType(choice);
        case Act::Method:
            return Method(v);
        case Act::Life:
            return Life(v);
        case Act::TypeLife:
            return TypeLife(v);
        case Act::Class:
            return Class(v);
        case Act::Business:
            if (!business_enabled_ || !PlainNumber(v, MainCtl::txtBusinessPercent)) return false;
            business_ = v;
            return true;
        case Act::Convention:
            return choice >= 0 && Convention(choice);
        case Act::InService:
            if (!MonthText(v, months_[0])) return false;
            in_service_ = &months_[0];
            return true;
        case Act::Cost:
            if (!PlainNumber(v, MainCtl::txtCost)) return false;
            cost_ = v;
            return true;
        case Act::Allowance:
            return choice >= 0 && Allowance(choice);
        case Act::SalesPrice:
        case Act::AdjTaxBasis: {
            const bool sales = act == Act::SalesPrice;
            if (asset_type_ != 2 ||
                !PlainNumber(v, sales ? MainCtl::txtSalesPrice : MainCtl::txtAdjTaxBasis)) {
                return false;
            }
            (sales ? sales_ : adj_) = v;
            return true;
        }
        case Act::Sold:
            if (!sold_enabled_ || !MonthText(v, months_[1])) return false;
            sold_ = &months_[1];
            return true;
        case Act::Description:
            // Only a tab or a line end in it would do more than fill the box.
            return std::none_of(v.begin(), v.end(),
                                [](char ch) { return static_cast<unsigned char>(ch) < 0x20; });
        case Act::Calculate:
            return last;
        case Act::Other:
            return false;
    }
    return false;
}

bool Window::AssetType(int i) {
    if (seen_asset_type_) return false;
    seen_asset_type_ = true;
    if (i == asset_type_) return true;
    asset_type_ = i;
    sales_ = adj_ = {};
    sold_enabled_ = i == 1;
    if (i != 1) sold_ = nullptr;
    return true;
}

bool Window::Method(std::string_view v) {
    // The method comes before everything its handler resets.
    if (life_or_class_ || bonus_ >= 0 || seen_allowance_) return false;
    if (IndexOf(MethodChoices(), v) < 0) return false;
    seen_method_ = true;
    if (v == method_) return true;
    method_ = v;
    method_has_lists_ = HasLists(v);
    life_ = {};
    business_ = {};
    business_enabled_ = false;
    frame_ = method_has_lists_;
    conv_enabled_ = {method_has_lists_, method_has_lists_, false};
    convention_ = 0;
    bonus_enabled_ = false;
    return true;
}

bool Window::Life(std::string_view v) {
    if (life_or_class_ || IndexOf(LifeChoices(method_), v) < 0) return false;
    life_or_class_ = true;
    life_ = v;
    Apply(RulesFor(method_, v, nullptr));
    return true;
}

bool Window::TypeLife(std::string_view v) {
    if (life_or_class_ || !seen_method_ || v.empty() || !PlainNumber(v, 0)) return false;
    // Where the life opens the business use, the focus goes there: typing on would go into
    // that box.
    if (v.size() > 1 && BusinessUseForLife(method_, v.substr(0, 1)) == BusinessUseBox::Open)
        return false;
    life_or_class_ = true;
    life_ = v;
    // Typed, the life sets the business use only.
    BusinessUse(BusinessUseForLife(method_, v));
    return true;
}

bool Window::Class(std::string_view v) {
    if (life_or_class_ || !method_has_lists_) return false;
    const auto classes = ClassesOf(method_);
    const auto found = std::find_if(classes.begin(), classes.end(),
                                    [&](const AssetClass& c) { return c.text == v; });
    // Vehicles read the limit files: the window's road.
    if (found == classes.end() || VehicleOf(found->text) != Vehicle::None) return false;
    life_or_class_ = true;
    class_ = &*found;
    life_ = {};
    business_ = {};
    Apply(RulesFor(method_, {}, class_));
    return true;
}

bool Window::Convention(int i) {
    if (!frame_ || !conv_enabled_[static_cast<std::size_t>(i)]) return false;
    convention_ = i;
    return true;
}

bool Window::Allowance(int i) {
    if (seen_allowance_ || !bonus_enabled_) return false;
    seen_allowance_ = true;
    bonus_ = i;
    return true;
}

void Window::Apply(const FieldRules& rules) {
    BusinessUse(rules.business_use);
    const ConventionButtons buttons = ConventionsAfter(rules.mid_month_only);
    conv_enabled_ = buttons.enabled;
    convention_ = buttons.selected;
    bonus_enabled_ = rules.allowance;
}

void Window::BusinessUse(BusinessUseBox box) {
    business_ = box == BusinessUseBox::Open ? kFullBusinessUse : std::string_view();
    if (box != BusinessUseBox::Emptied) business_enabled_ = box == BusinessUseBox::Open;
}

AssetRecord Window::Record(std::string& allowance, std::string& adjusted_cost) const {
    allowance = AllowanceText(cost_, business_, bonus_ == 0, bonus_ == 1, bonus_ == 2);
    adjusted_cost.clear();
    AssetRecord r;
    r.cost = cost_;
    r.method = method_;
    r.life = life_;
    r.in_service = *in_service_;
    r.business_percent = business_;
    r.sales_price = sales_;
    r.adj_tax_basis = adj_;
    r.date_sold = sold_ ? std::string_view(*sold_) : kBlankMonth;
    if (class_ != nullptr) {
        r.class_index = static_cast<int>(class_ - ClassesOf(method_).data());
        r.class_text = class_->text;
        r.class_life = class_->life;
    }
    r.convention_enabled = frame_;
    r.convention = convention_;
    r.bonus30 = bonus_ == 0;
    r.bonus50 = bonus_ == 1;
    r.bonus100 = bonus_ == 2;
    r.allowance = &allowance;
    r.adjusted_cost = &adjusted_cost;
    return r;
}

}  // namespace

DirectPath::DirectPath(MessageBoxes& boxes, std::string in_service)
    : boxes_(boxes), in_service_(std::move(in_service)) {}

bool DirectPath::Run(std::span<const GivenView> actions, std::span<const Act> acts,
                     ScheduleRows& rows) {
    Window w(in_service_, month_text_);
    for (std::size_t k = 0; k < actions.size(); ++k) {
        const GivenView& a = actions[k];
        if (!w.Take(acts[a.index], a.value, a.choice, k + 1 == actions.size())) return false;
    }
    const AssetRecord record = w.Record(allowance_, adjusted_cost_);
    // Inputs that fail their checks show the window's marks: the window's road.
    double business_use = 0;
    try {
        if (CheckInputs(record, business_use).failed()) return false;
    } catch (const Fault&) {
        return false;
    }
    Calculate(record, business_use, rows);
    return true;
}

void DirectPath::Calculate(const AssetRecord& record, double business_use, ScheduleRows& rows) {
    ClearStatus(status_);
    ErrorTrap trap(boxes_, FaultTitle({Step::Calculation, 0, 0}));
    trap.Run([&] {
        ReadingContext context;
        context.business_use = business_use;
        ComputeSchedule(ReadAsset(record, context), nullptr, schedule_);
        ScheduleReport report(grid_, boxes_, trap, &rows);
        report.Finish(schedule_);
        ShowStatusAfter(schedule_, status_);
    });
}

}  // namespace orvane::cli
