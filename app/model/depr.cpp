#include "app/model/depr.h"

#include <vector>

#include "base/numtext.h"

namespace orvane {
namespace {

// The engine's vehicle limits, looked up while the schedule is reported as far as it has come:
// the limit files report their own faults, after those the schedule met before.
class ReportedLookup final : public VehicleLimitSource {
  public:
    ReportedLookup(VehicleLimitSource& source, ScheduleReport& report, const Schedule& schedule)
        : source_(source), report_(report), schedule_(schedule) {}
    std::optional<VehicleLimits> Lookup(Vehicle kind, int year) override {
        report_.Flush(schedule_);
        return source_.Lookup(kind, year);
    }

  private:
    VehicleLimitSource& source_;
    ScheduleReport& report_;
    const Schedule& schedule_;
};

}  // namespace

// ---------------------------------------------------------------- status and validation

void Depr::ShowStatus(std::string_view text) {
    std::string& status = c(MainCtl::stbMain).caption;
    if (text.empty()) {
        status.clear();  // the common case, many times a key
    } else {
        status.assign(text);
    }
}

AssetRecord Depr::Record() {
    const Control& cls = c(MainCtl::cboClass);
    AssetRecord a;
    a.cost = Text(MainCtl::txtCost);
    a.method = Text(MainCtl::cboMethod);
    a.life = Text(MainCtl::cboLife);
    a.in_service = Text(MainCtl::txtInService);
    a.business_percent = Text(MainCtl::txtBusinessPercent);
    a.sales_price = Text(MainCtl::txtSalesPrice);
    a.adj_tax_basis = Text(MainCtl::txtAdjTaxBasis);
    a.date_sold = Text(MainCtl::mskSold);
    a.class_index = cls.list_index;
    if (cls.list_index >= 0) {
        a.class_text = cls.text;
        a.class_life = cls.item_data[cls.list_index];
    }
    a.convention_enabled = c(MainCtl::fraConvention).enabled;
    a.convention = controls_->SelectedOption(MainCtl::optConvention0, 3);
    a.bonus30 = Checked(MainCtl::chkBonus);
    a.bonus50 = Checked(MainCtl::chkBonus50);
    a.bonus100 = Checked(MainCtl::chkBonus100);
    a.allowance = &c(MainCtl::lblAllowance).caption;
    a.adjusted_cost = &c(MainCtl::lblAdjCost).caption;
    return a;
}

void Depr::ValidateInputs() {
    state.input_error = false;
    for (MainCtl id : {MainCtl::lblCost, MainCtl::lblMethod, MainCtl::lblLife})
        c(id).fore = kWindowText;
    for (MainCtl id : {MainCtl::lblInService, MainCtl::lblSalesPrice, MainCtl::lblAdjTaxBasis,
                       MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100}) {
        c(id).fore = kBlack;
    }
    InputCheck check = CheckInputs(Record(), state.business_percent);
    if (!check.failed()) return;
    state.input_error = true;
    ShowStatus(check.message);
    if (check.red != MainCtl::None) c(check.red).fore = kRed;
    if (check.focus != MainCtl::None) controls_->SetFocus(check.focus);
}

void Depr::UpdateAllowance() {
    c(MainCtl::lblAllowance).caption = AllowanceText(
        Text(MainCtl::txtCost), Text(MainCtl::txtBusinessPercent), Checked(MainCtl::chkBonus),
        Checked(MainCtl::chkBonus50), Checked(MainCtl::chkBonus100));
}

void Depr::SetAssetTypeFields(int asset_type) {
    if (asset_type < 0 || asset_type > 2) return;
    bool replacement = asset_type == 2;
    c(MainCtl::fraRelinquished).enabled = replacement;
    for (MainCtl id : {MainCtl::lblSalesPrice, MainCtl::lblAdjTaxBasis, MainCtl::lbladjustedCost}) {
        c(id).enabled = replacement;
    }
    for (MainCtl id : {MainCtl::txtSalesPrice, MainCtl::txtAdjTaxBasis}) {
        c(id).back = replacement ? kWhite : kEntryGrey;
    }
    if (!replacement) {
        c(MainCtl::txtSalesPrice).text.clear();
        c(MainCtl::txtAdjTaxBasis).text.clear();
        c(MainCtl::lblAdjCost).caption.clear();
    } else if (state.last_adj_tax_basis > 0) {
        c(MainCtl::txtAdjTaxBasis).text = CStr(state.last_adj_tax_basis);
    }
    if (asset_type == 1) {
        c(MainCtl::lblSoldDate).enabled = true;
        c(MainCtl::mskSold).enabled = true;
        c(MainCtl::mskSold).back = kWhite;
    } else {
        c(MainCtl::mskSold).text = std::string(kBlankMonth);
        c(MainCtl::lblSoldDate).enabled = false;
        c(MainCtl::mskSold).enabled = false;
        c(MainCtl::mskSold).back = kEntryGrey;
    }
}

// ---------------------------------------------------------------- class tables

Depr::ClassList::ClassList(std::span<const AssetClass> table) {
    std::vector<std::string> names;
    std::vector<std::int32_t> class_lives;
    names.reserve(table.size());
    class_lives.reserve(table.size());
    for (const AssetClass& entry : table) {
        names.emplace_back(entry.text);
        class_lives.push_back(entry.life);
    }
    texts = SharedList<std::string>(std::move(names));
    lives = SharedList<std::int32_t>(std::move(class_lives));
}

void Depr::LoadMacrsClasses() {
    LoadClasses(class_lists_->macrs);
}

void Depr::LoadAdsClasses() {
    LoadClasses(class_lists_->ads);
}

void Depr::LoadClasses(ClassList& table) {
    // The list emptied and filled again: the entries are the table's, shared.
    controls_->FillList(MainCtl::cboClass, table.texts, table.lives);
    Control& list = c(MainCtl::cboClass);
    // The width fits the same texts every time: measured once (-1: the list keeps its width).
    if (!table.dropped_width) {
        const int before = list.dropped_width;
        list.dropped_width = -1;
        FitDropDownWidth(MainCtl::cboClass);
        table.dropped_width = list.dropped_width;
        list.dropped_width = before;
    }
    if (*table.dropped_width >= 0) list.dropped_width = *table.dropped_width;
}

void Depr::FitDropDownWidth(MainCtl combo) {
    const TextMetrics* m = services_.metrics;
    if (m == nullptr) return;
    double w = 0;
    for (const std::string& item : c(combo).items) {
        double width = RoundEven(m->TextWidthTwips(item) - 320.0);
        if (width > w) w = width;
    }
    int tpp = m->TwipsPerPixel();
    w = RoundEven((m->ScrollBarWidthPixels() + 8) * tpp + w);
    if (Design(combo).width < w && tpp > 0) c(combo).dropped_width = static_cast<int>(w) / tpp;
}

void Depr::SetMidMonth(bool lock) {
    constexpr MainCtl kButtons[] = {MainCtl::optConvention0, MainCtl::optConvention1,
                                    MainCtl::optConvention2};
    const ConventionButtons buttons = ConventionsAfter(lock);
    for (int i = 0; i < 3; ++i) {
        if (i != buttons.selected) controls_->SetOption(kButtons[i], false);
        c(kButtons[i]).enabled = buttons.enabled[static_cast<std::size_t>(i)];
    }
    controls_->SetOption(kButtons[buttons.selected], true);
}

void Depr::CloseBusinessUse() {
    c(MainCtl::txtBusinessPercent).enabled = false;
    c(MainCtl::txtBusinessPercent).text.clear();
    c(MainCtl::lblAutoBusiness).enabled = false;
    c(MainCtl::txtBusinessPercent).back = kEntryGrey;
}

void Depr::OpenBusinessUse() {
    c(MainCtl::txtBusinessPercent).enabled = true;
    c(MainCtl::txtBusinessPercent).text = kFullBusinessUse;
    c(MainCtl::lblAutoBusiness).enabled = true;
    c(MainCtl::txtBusinessPercent).back = kWhite;
}

void Depr::ApplyFieldRules(const FieldRules& rules) {
    SetMidMonth(rules.mid_month_only);
    for (MainCtl id : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100}) {
        if (rules.allowance) {
            c(id).enabled = true;
        } else {
            controls_->SetCheck(id, 0);
            c(id).enabled = false;
        }
    }
}

void Depr::ApplyClassChoice() {
    c(MainCtl::txtBusinessPercent).text.clear();
    const Control& cls = c(MainCtl::cboClass);
    if (cls.list_index < 0) return;
    const AssetClass chosen{cls.text, cls.item_data[cls.list_index]};
    const FieldRules rules = RulesFor(Text(MainCtl::cboMethod), {}, &chosen);
    if (rules.business_use == BusinessUseBox::Open) OpenBusinessUse();
    if (rules.business_use == BusinessUseBox::Closed) CloseBusinessUse();
    ApplyFieldRules(rules);
}

// ---------------------------------------------------------------- Calculate

void Depr::StartSchedule(ErrorTrap& calculation, bool headers) {
    schedule_.Clear();
    ClearStatus(c(MainCtl::stbMain));
    state.method_caption.clear();
    if (rows == nullptr) controls_->grid.Clear();
    if (headers) calculation.Run([&] { SetGridHeaders(controls_->grid); });
}

void Depr::BuildSchedule(ErrorTrap& calculation, const AssetRecord& asset) {
    ReadingContext context;
    context.business_use = state.business_percent;
    context.convention_code = state.convention_code;
    if (asset.in_service == kBlankMonth) context.this_year = services_.clock->Today().year;
    const Asset read = ReadAsset(asset, context);
    ScheduleReport report(controls_->grid, *services_.messages, calculation, rows);
    if (vehicle_limits != nullptr) {
        ReportedLookup limits(*vehicle_limits, report, schedule_);
        ComputeSchedule(read, &limits, schedule_);
    } else {
        ComputeSchedule(read, nullptr, schedule_);
    }
    report.Finish(schedule_);
    if (report.shown()) {
        c(MainCtl::cmdPrint).enabled = true;
        c(MainCtl::cmdExport).enabled = true;
    }
    ShowOutcome(asset);
}

void Depr::ShowOutcome(const AssetRecord& asset) {
    const Schedule& s = schedule_;
    switch (s.adjusted_cost.state) {
        case WorkedAmount::State::Worked:
            *asset.adjusted_cost = CStr(s.adjusted_cost.value);
            break;
        case WorkedAmount::State::None:
            asset.adjusted_cost->clear();
            break;
        case WorkedAmount::State::Unchanged:
            break;
    }
    if (s.allowance.state == WorkedAmount::State::Worked)
        *asset.allowance = CStr(s.allowance.value);
    if (!s.rows.empty()) state.last_adj_tax_basis = s.rows.back().basis_left;
    if (s.convention) state.convention_code = static_cast<std::int16_t>(*s.convention);
    state.method_caption.assign(CaptionText(s.caption));
    if (s.vehicle_road) c(MainCtl::lblAutoBusiness).fore = kBlack;
    if (s.ending == Ending::NoBusinessUse) c(MainCtl::lblAutoBusiness).fore = kRed;
    if (s.ending == Ending::VehicleBeyond43Years) state.input_error = true;
    ShowStatusAfter(s, c(MainCtl::stbMain));
}

}  // namespace orvane
