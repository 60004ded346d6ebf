#include "app/model/particulars.h"

#include "base/fault.h"
#include "base/numtext.h"

namespace orvane {

Particulars ReadParticulars(const MainWindowControls& f, const DeprState& state) {
    using C = MainCtl;
    Particulars p;
    p.description = f[C::txtDescription].text;
    const int type = f.SelectedOption(C::optAssetType0, 3);
    if (type >= 0)
        p.asset_type = f[static_cast<C>(static_cast<int>(C::optAssetType0) + type)].caption;
    p.in_service = f[C::txtInService].text;
    p.method = f[C::cboMethod].text;
    p.method_caption = state.method_caption;
    p.conventions = f[C::fraConvention].enabled;
    p.convention_code = state.convention_code;
    p.class_text = f[C::cboClass].text;
    p.life = f[C::cboLife].text;
    p.business_percent = f[C::txtBusinessPercent].text;
    p.sales_price = f[C::txtSalesPrice].text;
    p.adj_tax_basis = f[C::txtAdjTaxBasis].text;
    p.adjusted_cost = f[C::lblAdjCost].caption;
    p.date_sold = f[C::mskSold].text;
    p.allowance_boxes = {f[C::chkBonus].value == 1, f[C::chkBonus50].value == 1,
                         f[C::chkBonus100].value == 1};
    p.allowance = f[C::lblAllowance].caption;
    try {
        p.net_cost = {CDbl(f[C::txtCost].text) - Val(p.allowance), 0};
    } catch (const Fault& fault) {
        p.net_cost = {0, fault.number()};
    }
    return p;
}

std::string NetCostLine(const Particulars& p) {
    if (p.net_cost.fault != 0) Raise(p.net_cost.fault);
    return "Net Cost: " + Format(p.net_cost.value, Pattern::Currency);
}

std::string ConventionLine(const Particulars& p) {
    const int code = p.convention_code;
    if (code < 0 || code > 2) {
        throw Fault(340, "Control array element '" + CStr(code) + "' doesn't exist");
    }
    const auto button = static_cast<MainCtl>(static_cast<int>(MainCtl::optConvention0) + code);
    return "Convention: " + std::string(Design(button).caption);
}

std::string ClassOrLifeLine(const Particulars& p) {
    return p.class_text.empty() ? "Life: " + p.life : "Class: " + p.class_text;
}

std::string BusinessLine(const Particulars& p) {
    return p.business_percent.empty() ? std::string() : "Business Percent: " + p.business_percent;
}

std::string SoldLine(const Particulars& p) {
    return p.date_sold == kBlankMonth ? std::string() : "Date Sold: " + p.date_sold;
}

std::string AllowanceLine(const Particulars& p, int box) {
    static constexpr std::string_view kLines[] = {"Special 30% Depreciation Allowance. ",
                                                  "Special 50% Depreciation Allowance. ",
                                                  "Special 100% Depreciation Allowance. "};
    return std::string(kLines[box]) + DollarText(p.allowance);
}

std::string DollarText(std::string_view text) {
    return FormatText(text, Pattern::Currency);
}

}  // namespace orvane
