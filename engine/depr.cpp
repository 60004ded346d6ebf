#include "engine/depr.h"

#include <algorithm>
#include <cmath>

#include "engine/amounts.h"
#include "engine/classes.h"
#include "engine/numtext.h"
#include "engine/rates.h"

namespace orvane {
namespace {

constexpr std::string_view kMacrs = "MACRS";
constexpr std::string_view kAds = "ADS";
constexpr std::string_view kStraightLine = "Straight Line";
constexpr std::string_view kAmortize = "Amortize";

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// An arithmetic result beyond the range of a double cannot be shown: it is an overflow.
double Fits(double value) {
    if (!std::isfinite(value)) Raise(fault::kOverflow);
    return value;
}

std::string_view LastFour(std::string_view s) {
    return s.size() <= 4 ? s : s.substr(s.size() - 4);
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
    return CInt(Val(text.substr(0, std::min<size_t>(2, text.size()))));
}

// ---------------------------------------------------------------- status and validation

void Depr::ShowStatus(std::string_view text) {
    c(MainCtl::stbMain).caption.assign(text);
}

void Depr::ValidateInputs() {
    state.input_error = false;
    for (MainCtl id : {MainCtl::lblCost, MainCtl::lblMethod, MainCtl::lblLife})
        c(id).fore = kWindowText;
    for (MainCtl id : {MainCtl::lblInService, MainCtl::lblSalesPrice, MainCtl::lblAdjTaxBasis,
                       MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100}) {
        c(id).fore = kBlack;
    }
    auto fail = [&](std::string_view message, MainCtl focus, MainCtl red) {
        state.input_error = true;
        ShowStatus(message);
        if (red != MainCtl::None) c(red).fore = kRed;
        if (focus != MainCtl::None) controls_->SetFocus(focus);
    };
    const std::string& method = Text(MainCtl::cboMethod);
    const std::string& life = Text(MainCtl::cboLife);
    const std::string& in_service = Text(MainCtl::txtInService);

    if (Val(Text(MainCtl::txtCost)) == 0)
        return fail(status::kCostMissing, MainCtl::txtCost, MainCtl::lblCost);
    if (method.empty()) return fail(status::kMethodMissing, MainCtl::cboMethod, MainCtl::lblMethod);
    if (in_service == kBlankMonth) {
        return fail(status::kInServiceMissing, MainCtl::txtInService, MainCtl::lblInService);
    }
    int month = MonthOf(in_service);
    if (month < 1 || month > 12) {
        return fail(status::kInServiceInvalid, MainCtl::txtInService, MainCtl::lblInService);
    }
    if (method != kMacrs && method != kAds && life.empty()) {
        return fail(status::kLifeMissing, MainCtl::cboLife, MainCtl::lblLife);
    }
    if (Val(life) > 43) return fail(status::kLifeOver43, MainCtl::cboLife, MainCtl::lblLife);
    if (method == kMacrs && !life.empty()) {
        double l = CDbl(life);
        if (l != 3 && l != 5 && l != 7 && l != 10 && l != 15 && l != 20 && l != 27.5 && l != 31.5 &&
            l != 39) {
            return fail(status::kMacrsLife, MainCtl::None, MainCtl::None);
        }
    }
    GetBusinessPercent();
    if (state.business_percent > 0 && method == kMacrs &&
        !(state.business_percent >= 0.51 && state.business_percent <= 1.0)) {
        return fail(status::kMacrsBusiness, MainCtl::None, MainCtl::None);
    }
    const std::string& sales = Text(MainCtl::txtSalesPrice);
    const std::string& adj = Text(MainCtl::txtAdjTaxBasis);
    if (!sales.empty() && adj.empty()) {
        return fail(status::kAdjTaxBasisRequired, MainCtl::txtAdjTaxBasis, MainCtl::lblAdjTaxBasis);
    }
    if (sales.empty() && !adj.empty()) {
        return fail(status::kSalesPriceRequired, MainCtl::txtSalesPrice, MainCtl::lblSalesPrice);
    }
    if (Checked(MainCtl::chkBonus) && ReadMonthDate(in_service) < MonthDate{2001, 9}) {
        return fail(status::kBonus30Date, MainCtl::None, MainCtl::chkBonus);
    }
    if (Checked(MainCtl::chkBonus50) && ReadMonthDate(in_service) < MonthDate{2003, 5}) {
        return fail(status::kBonus50Date, MainCtl::None, MainCtl::chkBonus50);
    }
}

void Depr::GetBusinessPercent() {
    const std::string& t = Text(MainCtl::txtBusinessPercent);
    if ((t.size() >= 2 && t[1] == '.') || (!t.empty() && t[0] == '.')) {
        state.business_percent = Val(t);
    } else if (t.empty()) {
        state.business_percent = 1.0;
    } else {
        state.business_percent = Val(t) * 0.01;
    }
}

void Depr::UpdateAllowance() {
    const std::string& t = Text(MainCtl::txtBusinessPercent);
    double v = Val(t);
    double p = 1.0;
    if (!t.empty()) {
        if (v > 1) {
            p = v * 0.01;
        } else if (v < 1) {
            p = v;
        }
    }
    double cost = Val(Text(MainCtl::txtCost));
    std::string& allowance = c(MainCtl::lblAllowance).caption;
    bool any = false;
    if (Checked(MainCtl::chkBonus)) allowance = CStr(cost * p * 0.3), any = true;
    if (Checked(MainCtl::chkBonus50)) allowance = CStr(cost * p * 0.5), any = true;
    if (Checked(MainCtl::chkBonus100)) allowance = CStr(cost * p), any = true;
    if (!any) allowance.clear();
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

void Depr::LoadMacrsClasses() {
    controls_->ClearList(MainCtl::cboClass);
    for (const AssetClass& ac : MacrsClasses())
        controls_->AddItem(MainCtl::cboClass, std::string(ac.text), ac.life);
    FitDropDownWidth(MainCtl::cboClass);
}

void Depr::LoadAdsClasses() {
    controls_->ClearList(MainCtl::cboClass);
    for (const AssetClass& ac : AdsClasses())
        controls_->AddItem(MainCtl::cboClass, std::string(ac.text), ac.life);
    FitDropDownWidth(MainCtl::cboClass);
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
    controls_->SetOption(MainCtl::optConvention2, lock);
    c(MainCtl::optConvention2).enabled = lock;
    for (MainCtl id : {MainCtl::optConvention0, MainCtl::optConvention1}) {
        controls_->SetOption(id, false);
        c(id).enabled = !lock;
    }
    controls_->SetOption(MainCtl::optConvention0, !lock);
}

void Depr::ApplyClassChoice() {
    c(MainCtl::txtBusinessPercent).text.clear();
    const Control& cls = c(MainCtl::cboClass);
    if (cls.list_index < 0) return;
    std::int32_t life = cls.item_data[cls.list_index];
    if (life == 5) {
        if (BusinessUseApplies(cls.text, life)) {
            c(MainCtl::txtBusinessPercent).enabled = true;
            c(MainCtl::txtBusinessPercent).back = kWhite;
            c(MainCtl::lblAutoBusiness).enabled = true;
            c(MainCtl::txtBusinessPercent).text = "100";
        }
    } else {
        c(MainCtl::txtBusinessPercent).text.clear();
        c(MainCtl::txtBusinessPercent).enabled = false;
        c(MainCtl::txtBusinessPercent).back = kEntryGrey;
        c(MainCtl::lblAutoBusiness).enabled = false;
    }
    const std::string& method = Text(MainCtl::cboMethod);
    SetMidMonth((method == kMacrs || method == kAds) && life > 27);
    for (MainCtl id : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100}) {
        if (life < 21) {
            c(id).enabled = true;
        } else {
            controls_->SetCheck(id, 0);
            c(id).enabled = false;
        }
    }
}

// ---------------------------------------------------------------- grid

void Depr::SetGridHeaders() {
    ScheduleGrid& g = controls_->grid;
    g.SelectRow(0);
    g.SelectCol(0);
    g.SetColWidth(0, 0);
    for (int col = 1; col <= 10; col += 3) {
        const std::pair<int, const char*> group[3] = {
            {460, " Year "}, {1280, "  Depreciation  "}, {1280, " Adj. Tax Basis "}};
        for (int i = 0; i < 3; ++i) {
            g.SelectCol(col + i);
            g.SetColWidth(col + i, group[i].first);
            g.SetText(group[i].second);
        }
    }
    for (int col = 1; col <= 12; ++col)
        g.SetColAlign(col, ScheduleGrid::Align::RightCentre);
}

void Depr::FillGrid(std::int16_t year_number, double year_amount, std::int16_t /*row_count*/) {
    ErrorTrap trap(*services_.messages, "Fill Grid Error");
    trap.Run([&] {
        const std::string& in_service = Text(MainCtl::txtInService);
        if (in_service != kBlankMonth) {
            state.year_base = CInt(Val(LastFour(in_service)));
        } else {
            state.year_base = static_cast<std::int16_t>(services_.clock->Today().year);
        }
        if (state.year_base != 0) state.year_base = static_cast<std::int16_t>(state.year_base - 1);

        double adjusted_cost = Val(c(MainCtl::lblAdjCost).caption);
        double allowance = Val(c(MainCtl::lblAllowance).caption);
        double basis =
            adjusted_cost <= 0 ? CDbl(Text(MainCtl::txtCost)) : Fits(adjusted_cost + allowance);
        const std::string& business = Text(MainCtl::txtBusinessPercent);
        if (!business.empty()) {
            double v = Val(business);
            basis = Fits(basis * v);
            if (v > 1) basis = basis * 0.01;
        }

        int first_col = 1;
        int row = year_number;
        if (year_number >= 34) {
            first_col = 10, row = year_number - 33;
        } else if (year_number >= 23) {
            first_col = 7, row = year_number - 22;
        } else if (year_number >= 12) {
            first_col = 4, row = year_number - 11;
        }
        ScheduleGrid& g = controls_->grid;
        if (year_number > 0) g.SelectRow(row);

        if (state.new_schedule) {
            state.new_schedule = false;
            state.running_total = 0;
        }
        state.running_total = Fits(state.running_total + RoundEven(year_amount, 2));
        double left = Fits(basis - allowance - state.running_total);
        if (left < 1.00) left = 0;
        state.last_adj_tax_basis = left;

        if (year_amount > 0 || year_number == 1) {
            g.SelectCol(first_col);
            g.SetText(CStr(static_cast<int>(state.year_base) + year_number));
            g.SelectCol(first_col + 1);
            g.SetText(Format(year_amount, Pattern::Amount));
            g.SelectCol(first_col + 2);
            g.SetText(Format(left, Pattern::Amount));
            c(MainCtl::cmdPrint).enabled = true;
            c(MainCtl::cmdExport).enabled = true;
        }
    });
}

// ---------------------------------------------------------------- amount operations

std::optional<double> Depr::TableAmount(int quarter, double basis, double life, std::int16_t year,
                                        std::string_view title) {
    ErrorTrap trap(*services_.messages, title);
    std::optional<double> result;
    trap.Run([&] {
        if (quarter == 0) {
            if (life == 28 || life == 27.5) {
                result = ResidentialRentalAmount(basis, year);
                return;
            }
            if (life == 32 || life == 31.5) {
                result = NonResidentialAmount(basis, year);
                return;
            }
            if (life == 39) {
                result = NonResidential39Amount(basis, year);
                return;
            }
        }
        // A life without a table leaves the caption as it was; a year beyond the table does not.
        if (!amount::HasMacrsTable(life)) Raise(fault::kSubscript);
        state.method_caption.assign(life <= 10 ? caption::kMacrs200 : caption::kMacrs150);
        result = amount::MacrsTable(basis, life, year, quarter, state.business_percent);
    });
    return result;
}

std::optional<double> Depr::MACRSAmount(double basis, double life, std::int16_t year) {
    return TableAmount(0, basis, life, year, "MACRS Error");
}

std::optional<double> Depr::MACRSMidQuarterAmount(int quarter, double basis, double life,
                                                  std::int16_t year) {
    static constexpr std::string_view kTitles[] = {"MACRS Error", "MACRS Error", "MACRS 2 Error",
                                                   "MACRS 3 Error", "MACRS 3 Error"};
    if (quarter < 1 || quarter > 4) return std::nullopt;
    return TableAmount(quarter, basis, life, year, kTitles[quarter]);
}

std::optional<double> Depr::RealPropertyAmount(RealProperty table, double basis,
                                               std::int16_t year) {
    state.method_caption.assign(caption::kMacrsStraight);
    return amount::MidMonth(table, basis, year, MonthOf(Text(MainCtl::txtInService)));
}

std::optional<double> Depr::ResidentialRentalAmount(double basis, std::int16_t year) {
    return RealPropertyAmount(RealProperty::Residential275, basis, year);
}

std::optional<double> Depr::NonResidentialAmount(double basis, std::int16_t year) {
    return RealPropertyAmount(RealProperty::NonResidential315, basis, year);
}

std::optional<double> Depr::NonResidential39Amount(double basis, std::int16_t year) {
    return RealPropertyAmount(RealProperty::NonResidential39, basis, year);
}

std::optional<double> Depr::StraightLineAmount(double basis, double life, std::int16_t year) {
    return amount::StraightLine(basis, life, year, MonthOf(Text(MainCtl::txtInService)));
}

std::optional<double> Depr::ADSAmount(double basis, double life, std::int16_t year,
                                      std::int16_t quarter) {
    if (Val(Text(MainCtl::txtBusinessPercent)) > 0) basis = basis * state.business_percent;
    std::optional<double> result = amount::Ads(basis, life, year, quarter);
    // A division fault leaves before this line: the caption stays as it was.
    state.method_caption.assign(caption::kAds);
    return result;
}

// ---------------------------------------------------------------- schedule

bool Depr::IsSaleYear(std::int16_t year_number) {
    const std::string& sold = Text(MainCtl::mskSold);
    if (sold == kBlankMonth) return false;
    int row_year = ReadMonthDate(Text(MainCtl::txtInService)).year + year_number - 1;
    return row_year == ReadMonthDate(sold).year;
}

double Depr::CutSaleYear(double amount) {
    switch (state.convention_code) {
        case 0:
            return amount / 2;
        case 1: {
            static constexpr double kPart[] = {0.125, 0.375, 0.625, 0.875};
            int month = MonthOf(Text(MainCtl::mskSold));
            int q = month <= 3 ? 0 : month <= 6 ? 1 : month <= 9 ? 2 : 3;
            return amount * kPart[q];
        }
        case 2:
            return amount * (MonthOf(Text(MainCtl::mskSold)) - 0.5) / 12;
        default:
            return amount;
    }
}

void Depr::BuildSchedule(ErrorTrap& calculation) {
    auto run = [&](auto&& statement) { return calculation.Run(statement); };
    double basis = 0;
    double life = 0;
    std::int16_t row_count = 0;
    std::int16_t quarter = 0;

    // The depreciable basis; the adjusted cost of a replacement asset.
    const std::string& cost = Text(MainCtl::txtCost);
    const std::string& sales = Text(MainCtl::txtSalesPrice);
    const std::string& adj = Text(MainCtl::txtAdjTaxBasis);
    std::string& adjusted_cost = c(MainCtl::lblAdjCost).caption;
    if (!sales.empty() && !cost.empty() && !adj.empty()) {
        run([&] { adjusted_cost = CStr(CDbl(cost) - CDbl(sales) + CDbl(adj)); });
        run([&] { basis = Val(adjusted_cost); });
        run([&] {
            adjusted_cost = CStr(Val(adjusted_cost) - Val(c(MainCtl::lblAllowance).caption));
        });
    } else {
        adjusted_cost.clear();
        if (!cost.empty()) run([&] { basis = CDbl(cost); });
    }

    // The life, and the number of rows: one more than the whole-number life.
    const Control& cls = c(MainCtl::cboClass);
    if (!Text(MainCtl::cboLife).empty()) {
        run([&] { life = Val(Text(MainCtl::cboLife)); });
        run([&] { row_count = CInt(life); });
    } else if (cls.list_index >= 0) {
        run([&] { life = cls.item_data[cls.list_index]; });
        run([&] { row_count = CInt(life); });
    } else {
        ShowStatus(status::kNoLifeOrClass);
        return;
    }
    run([&] { row_count = CInt(row_count + 1.0); });

    // The convention (3 when the method has none) and the in-service quarter under Mid Quarter.
    if (c(MainCtl::fraConvention).enabled) {
        int selected = controls_->SelectedOption(MainCtl::optConvention0, 3);
        if (selected >= 0) state.convention_code = static_cast<std::int16_t>(selected);
    } else {
        state.convention_code = 3;
    }
    if (state.convention_code == 1) {
        run([&] {
            int m = MonthOf(Text(MainCtl::txtInService));
            quarter = static_cast<std::int16_t>(m <= 3 ? 1 : m <= 6 ? 2 : m <= 9 ? 3 : 4);
        });
    }

    // Vehicles follow their own capped schedule.
    if (cls.list_index >= 0) {
        if (char kind = VehicleKind(cls.text)) {
            run([&] {
                MACRSauto(basis, CInt(Val(Text(MainCtl::cboLife))),
                          std::string(LastFour(Text(MainCtl::txtInService))), kind, quarter);
            });
            return;
        }
    }

    // The special allowance comes off the MACRS basis.
    const std::string& method = Text(MainCtl::cboMethod);
    for (MainCtl box : {MainCtl::chkBonus, MainCtl::chkBonus50, MainCtl::chkBonus100}) {
        if (Checked(box) && method == kMacrs) {
            run([&] { basis = basis - Val(c(MainCtl::lblAllowance).caption); });
        }
    }

    // The years; a year of sale is cut to the part before the sale and ends the schedule.
    bool sale_year = false;
    for (std::int16_t year = 1; year <= row_count; ++year) {
        double amount = 0;
        run([&] {
            std::optional<double> a;
            if (method == kStraightLine || method == kAmortize) {
                a = StraightLineAmount(basis, Val(Text(MainCtl::cboLife)), year);
            } else if (method == kMacrs) {
                a = state.convention_code == 1 ? MACRSMidQuarterAmount(quarter, basis, life, year)
                                               : MACRSAmount(basis, life, year);
            } else if (method == kAds) {
                a = ADSAmount(basis, life, year, quarter);
            }
            amount = a.value_or(0);
        });
        run([&] { sale_year = IsSaleYear(year); });
        if (sale_year) run([&] { amount = CutSaleYear(amount); });
        FillGrid(year, amount, row_count);
        if (sale_year) break;
    }

    // The method caption closes the schedule.
    c(MainCtl::stbMain).fore = kBlue;
    c(MainCtl::stbMain).bold = false;
    ShowStatus(state.method_caption);
}

// ---------------------------------------------------------------- vehicles

void Depr::MACRSauto(double& basis, std::int16_t life, std::string in_service_year, char kind,
                     std::int16_t quarter) {
    ErrorTrap trap(*services_.messages, "MACRSauto Error");
    auto run = [&](auto&& statement) { return trap.Run(statement); };
    double& bp = state.business_percent;
    auto allowance = [&] { return Val(c(MainCtl::lblAllowance).caption); };

    c(MainCtl::lblAutoBusiness).fore = kBlack;
    if (bp == 0) {
        c(MainCtl::lblAutoBusiness).fore = kRed;
        ShowStatus(status::kBusinessRequired);
        return;
    }
    double cost = 0;
    run([&] { cost = bp * basis - allowance(); });
    basis = cost;
    double remaining = cost;
    auto rates = MacrsRates(quarter == 0 ? 0 : quarter, 5);
    if (rates.empty()) rates = MacrsRates(0, 5);

    if (vehicle_limits == nullptr) {
        ShowStatus(status::kVehicleLimitsUnavailable);
        return;
    }
    std::optional<VehicleLimits> found = vehicle_limits->Lookup(kind, in_service_year);
    if (!found) {
        ShowStatus(status::kNoVehicleLimits);
        return;
    }
    VehicleLimits limits = *found;

    if (allowance() > 0) {
        std::int16_t a = 0;
        run([&] { a = AdjustSpecialAllowance(limits); });
        run([&] { cost = Val(Text(MainCtl::txtCost)) * bp - a; });
        basis = cost;
        remaining = cost;
    }

    double accumulated = 0;
    double limit = 0;
    double first_limit = 0;
    double table_amount = 0;
    double year_amount = 0;
    bool sale_year = false;
    for (std::int16_t year = 1;; ++year) {
        double special = allowance();
        if (!(special + cost > accumulated)) break;
        table_amount = cost * rates[std::min<int>(year, 6) - 1];
        run([&] { limit = bp * CDbl(limits[std::min<int>(year, 4)]); });
        if (table_amount > limit) {
            year_amount = limit;
        } else if (table_amount > remaining) {
            year_amount = remaining;
        } else {
            year_amount = table_amount;
            if (year > 6 && year_amount < limit) year_amount = limit;
        }
        if (year == 1 && (Checked(MainCtl::chkBonus) || Checked(MainCtl::chkBonus50) ||
                          Checked(MainCtl::chkBonus100))) {
            run([&] { first_limit = CDbl(limits[Checked(MainCtl::chkBonus) ? 0 : 5]); });
            double capped = bp * first_limit - special;
            if (capped < year_amount) year_amount = capped < 0 ? 0 : capped;
            accumulated = accumulated + special;
        }
        run([&] { sale_year = IsSaleYear(year); });
        if (sale_year) run([&] { year_amount = CutSaleYear(year_amount); });
        if (year_amount > remaining) year_amount = remaining;
        accumulated = accumulated + year_amount;
        remaining = special + cost - accumulated;
        if (year > 43) {
            ShowStatus(status::kVehicleOver43);
            state.input_error = true;
            return;
        }
        FillGrid(year, year_amount, life);
        if (sale_year) break;
    }
    c(MainCtl::stbMain).fore = kBlue;
    c(MainCtl::stbMain).bold = false;
    state.method_caption.assign(caption::kLuxuryAuto);
    ShowStatus(state.method_caption);
}

std::int16_t Depr::AdjustSpecialAllowance(VehicleLimits& limits) {
    double a = RoundEven(Val(c(MainCtl::lblAllowance).caption));
    double bp = state.business_percent;
    double l = 0;
    if (Checked(MainCtl::chkBonus)) {
        l = CLng(CDbl(limits[0]));
        if (l == 0) l = CLng(CDbl(limits[1]));
    }
    if (Checked(MainCtl::chkBonus50) || Checked(MainCtl::chkBonus100)) {
        l = CLng(CDbl(limits[5]));
        if (l == 0) l = CLng(CDbl(limits[1]));
    }
    if (l * bp < a) {
        std::string& shown = c(MainCtl::lblAllowance).caption;
        shown = CStr(l * bp);
        if (CDbl(shown) < 0) shown = "0";
        services_.messages->Show(
            "The Special Depr Allowance was adjusted to be equal to the (max auto rate x Business "
            "%) of " +
                CStr(l * bp),
            kAppTitle, MsgButtons::Ok);
    }
    return CInt(CDbl(c(MainCtl::lblAllowance).caption));
}

}  // namespace orvane
