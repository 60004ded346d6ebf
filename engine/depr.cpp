#include "engine/depr.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "base/numtext.h"
#include "engine/amounts.h"
#include "engine/classes.h"
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
    if (text.size() >= 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9')
        return (text[0] - '0') * 10 + (text[1] - '0');
    return CInt(Val(text.substr(0, std::min<size_t>(2, text.size()))));
}

// ---------------------------------------------------------------- status and validation

void Depr::ShowStatus(std::string_view text) {
    std::string& status = c(MainCtl::stbMain).caption;
    if (text.empty()) {
        status.clear();  // the common case, many times a key
    } else {
        status.assign(text);
    }
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

void Depr::GetBusinessPercent() {
    state.business_percent = BusinessFraction(Text(MainCtl::txtBusinessPercent));
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

void Depr::ReadGridInputs() {
    GridInputs& in = grid_inputs_;
    in = GridInputs{};
    in.read = true;
    std::string_view in_service = A().in_service;
    if (in_service != kBlankMonth) {
        in.year_base = CInt(Val(LastFour(in_service)));
    } else {
        in.year_base = static_cast<std::int16_t>(services_.clock->Today().year);
    }
    if (in.year_base != 0) in.year_base = static_cast<std::int16_t>(in.year_base - 1);
    try {
        double adjusted_cost = Val(*A().adjusted_cost);
        in.allowance = Val(*A().allowance);
        double basis = adjusted_cost <= 0 ? CDbl(A().cost) : Fits(adjusted_cost + in.allowance);
        std::string_view business = A().business_percent;
        if (!business.empty()) {
            double v = Val(business);
            basis = Fits(basis * v);
            if (v > 1) basis = basis * 0.01;
        }
        in.basis = basis;
    } catch (const Fault& f) {
        in.fault = f;
    }
}

void Depr::FillGrid(std::int16_t year_number, double year_amount, std::int16_t /*row_count*/) {
    ErrorTrap trap(*services_.messages, "Fill Grid Error");
    trap.Run([&] {
        // The year base and the basis are the same for every row of a schedule: read once, and
        // a read that fails fails every row the same way.
        if (!grid_inputs_.read) ReadGridInputs();
        state.year_base = grid_inputs_.year_base;
        if (grid_inputs_.fault) throw *grid_inputs_.fault;
        const double basis = grid_inputs_.basis;
        const double allowance = grid_inputs_.allowance;

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
        // Level schedules repeat one amount year after year: its rounding and its text are
        // worked out once.
        YearAmount& same = last_amount_;
        if (!(year_amount == same.value && same.length > 0)) {
            same.value = year_amount;
            same.rounded = RoundEven(year_amount, 2);
            same.length = 0;
        }
        state.running_total = Fits(state.running_total + same.rounded);
        double left = Fits(basis - allowance - state.running_total);
        if (left < 1.00) left = 0;
        state.last_adj_tax_basis = left;

        if (year_amount > 0 || year_number == 1) {
            // Each text is written straight into its cell.
            char year_text[16];
            char left_text[kFormatRoom];
            const int year = static_cast<int>(state.year_base) + year_number;
            if (same.length == 0) {
                same.length = static_cast<std::size_t>(
                    FormatTo(same.text.data(), year_amount, Pattern::Amount) - same.text.data());
            }
            char* year_end = year_text + 4;
            if (year >= 1000 && year <= 9999) {
                const int century = year / 100, rest = year % 100;
                year_text[0] = static_cast<char>('0' + century / 10);
                year_text[1] = static_cast<char>('0' + century % 10);
                year_text[2] = static_cast<char>('0' + rest / 10);
                year_text[3] = static_cast<char>('0' + rest % 10);
            } else {
                year_end = std::to_chars(year_text, year_text + sizeof year_text, year).ptr;
            }
            const std::string_view texts[] = {
                {year_text, year_end},
                {same.text.data(), same.length},
                {left_text, FormatTo(left_text, left, Pattern::Amount)}};
            if (rows != nullptr) {
                rows->Row(texts[0], texts[1], texts[2]);
            } else {
                for (int i = 0; i < 3; ++i) {
                    g.SelectCol(first_col + i);
                    g.SetText(texts[i]);
                }
            }
            c(MainCtl::cmdPrint).enabled = true;
            c(MainCtl::cmdExport).enabled = true;
        }
    });
}

// ---------------------------------------------------------------- amount operations

void Depr::SetMethodCaption(std::string_view text) {
    // Every year of a schedule names the same method: written once.
    if (state.method_caption != text) state.method_caption.assign(text);
}

std::optional<double> Depr::TableAmount(int quarter, double basis, double life, std::int16_t year,
                                        std::string_view title) {
    ErrorTrap trap(*services_.messages, title);
    // The amount and whether there is one, apart: they are written in the statement and read
    // after it.
    double amount = 0;
    bool known = false;
    const auto take = [&](std::optional<double> a) {
        known = a.has_value();
        amount = a.value_or(0);
    };
    trap.Run([&] {
        if (quarter == 0) {
            if (life == 28 || life == 27.5) {
                take(ResidentialRentalAmount(basis, year));
                return;
            }
            if (life == 32 || life == 31.5) {
                take(NonResidentialAmount(basis, year));
                return;
            }
            if (life == 39) {
                take(NonResidential39Amount(basis, year));
                return;
            }
        }
        // A life without a table leaves the caption as it was; a year beyond the table does not.
        if (!amount::HasMacrsTable(life)) Raise(fault::kSubscript);
        SetMethodCaption(life <= 10 ? caption::kMacrs200 : caption::kMacrs150);
        take(amount::MacrsTable(basis, life, year, quarter, state.business_percent));
    });
    return known ? std::optional<double>(amount) : std::nullopt;
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
    SetMethodCaption(caption::kMacrsStraight);
    return amount::MidMonth(table, basis, year, in_service_month_);
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
    return amount::StraightLine(basis, life, year, in_service_month_);
}

std::optional<double> Depr::ADSAmount(double basis, double life, std::int16_t year,
                                      std::int16_t quarter) {
    if (business_reading_ > 0) basis = basis * state.business_percent;
    std::optional<double> result = amount::Ads(basis, life, year, quarter);
    // A division fault leaves before this line: the caption stays as it was.
    SetMethodCaption(caption::kAds);
    return result;
}

// ---------------------------------------------------------------- schedule

bool Depr::IsSaleYear(std::int16_t year_number) {
    std::string_view sold = A().date_sold;
    if (sold == kBlankMonth) return false;
    int row_year = ReadMonthDate(A().in_service).year + year_number - 1;
    return row_year == ReadMonthDate(sold).year;
}

double Depr::CutSaleYear(double amount) {
    switch (state.convention_code) {
        case 0:
            return amount / 2;
        case 1: {
            static constexpr double kPart[] = {0.125, 0.375, 0.625, 0.875};
            int month = MonthOf(A().date_sold);
            int q = month <= 3 ? 0 : month <= 6 ? 1 : month <= 9 ? 2 : 3;
            return amount * kPart[q];
        }
        case 2:
            return amount * (MonthOf(A().date_sold) - 0.5) / 12;
        default:
            return amount;
    }
}

void Depr::StartSchedule(ErrorTrap& calculation, bool headers) {
    state.new_schedule = true;
    c(MainCtl::stbMain).fore = kRed;
    ShowStatus("");
    state.method_caption.clear();
    if (rows == nullptr) controls_->grid.Clear();
    if (headers) calculation.Run([&] { SetGridHeaders(); });
}

void Depr::BuildSchedule(ErrorTrap& calculation, AssetRecord& asset) {
    // The amount operations and the grid read the asset of this calculation.
    struct Running {
        AssetRecord*& slot;
        ~Running() { slot = nullptr; }
    } running{asset_ = &asset};
    grid_inputs_.read = false;
    // Readings that cannot fail and that every year makes again.
    in_service_month_ = MonthOf(asset.in_service);
    business_reading_ = Val(asset.business_percent);
    auto run = [&](auto&& statement) { return calculation.Run(statement); };
    double basis = 0;
    double life = 0;
    std::int16_t row_count = 0;
    std::int16_t quarter = 0;

    // The depreciable basis; the adjusted cost of a replacement asset.
    std::string_view cost = A().cost;
    std::string_view sales = A().sales_price;
    std::string_view adj = A().adj_tax_basis;
    std::string& adjusted_cost = *A().adjusted_cost;
    if (!sales.empty() && !cost.empty() && !adj.empty()) {
        run([&] { adjusted_cost = CStr(CDbl(cost) - CDbl(sales) + CDbl(adj)); });
        run([&] { basis = Val(adjusted_cost); });
        run([&] { adjusted_cost = CStr(Val(adjusted_cost) - Val(*A().allowance)); });
    } else {
        adjusted_cost.clear();
        if (!cost.empty()) run([&] { basis = CDbl(cost); });
    }

    // The life, and the number of rows: one more than the whole-number life.
    if (!A().life.empty()) {
        run([&] { life = Val(A().life); });
        run([&] { row_count = CInt(life); });
    } else if (asset.class_index >= 0) {
        run([&] { life = asset.class_life; });
        run([&] { row_count = CInt(life); });
    } else {
        ShowStatus(status::kNoLifeOrClass);
        return;
    }
    run([&] { row_count = CInt(row_count + 1.0); });

    // The convention (3 when the method has none) and the in-service quarter under Mid Quarter.
    if (asset.convention_enabled) {
        if (asset.convention >= 0)
            state.convention_code = static_cast<std::int16_t>(asset.convention);
    } else {
        state.convention_code = 3;
    }
    if (state.convention_code == 1) {
        run([&] {
            int m = MonthOf(A().in_service);
            quarter = static_cast<std::int16_t>(m <= 3 ? 1 : m <= 6 ? 2 : m <= 9 ? 3 : 4);
        });
    }

    // Vehicles follow their own capped schedule.
    if (asset.class_index >= 0) {
        if (char kind = VehicleKind(asset.class_text)) {
            run([&] {
                MACRSauto(basis, CInt(Val(A().life)), std::string(LastFour(A().in_service)), kind,
                          quarter);
            });
            return;
        }
    }

    // The special allowance comes off the MACRS basis.
    std::string_view method = A().method;
    for (bool checked : {asset.bonus30, asset.bonus50, asset.bonus100}) {
        if (checked && method == kMacrs) {
            run([&] { basis = basis - Val(*A().allowance); });
        }
    }

    // The years; a year of sale is cut to the part before the sale and ends the schedule.
    const double typed_life = Val(A().life);
    bool sale_year = false;
    const bool sold = A().date_sold != kBlankMonth;  // else no year is the year of sale
    enum class Way { None, StraightLine, Macrs, Ads };
    const Way way = method == kStraightLine || method == kAmortize ? Way::StraightLine
                    : method == kMacrs                             ? Way::Macrs
                    : method == kAds                               ? Way::Ads
                                                                   : Way::None;
    for (std::int16_t year = 1; year <= row_count; ++year) {
        double amount = 0;
        run([&] {
            std::optional<double> a;
            switch (way) {
                case Way::StraightLine:
                    a = StraightLineAmount(basis, typed_life, year);
                    break;
                case Way::Macrs:
                    a = state.convention_code == 1
                            ? MACRSMidQuarterAmount(quarter, basis, life, year)
                            : MACRSAmount(basis, life, year);
                    break;
                case Way::Ads:
                    a = ADSAmount(basis, life, year, quarter);
                    break;
                case Way::None:
                    break;
            }
            amount = a.value_or(0);
        });
        if (sold) run([&] { sale_year = IsSaleYear(year); });
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
    auto allowance = [&] { return Val(*A().allowance); };

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
        run([&] { cost = Val(A().cost) * bp - a; });
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
        if (year == 1 && (A().bonus30 || A().bonus50 || A().bonus100)) {
            run([&] { first_limit = CDbl(limits[A().bonus30 ? 0 : 5]); });
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
    double a = RoundEven(Val(*A().allowance));
    double bp = state.business_percent;
    double l = 0;
    if (A().bonus30) {
        l = CLng(CDbl(limits[0]));
        if (l == 0) l = CLng(CDbl(limits[1]));
    }
    if (A().bonus50 || A().bonus100) {
        l = CLng(CDbl(limits[5]));
        if (l == 0) l = CLng(CDbl(limits[1]));
    }
    if (l * bp < a) {
        // The amount's text, or "0" for a negative amount, replaces the caption whole.
        const double adjusted = l * bp;
        *A().allowance = adjusted < 0 ? std::string("0") : CStr(adjusted);
        services_.messages->Show(
            "The Special Depr Allowance was adjusted to be equal to the (max auto rate x Business "
            "%) of " +
                CStr(l * bp),
            kAppTitle, MsgButtons::Ok);
    }
    return CInt(CDbl(*A().allowance));
}

}  // namespace orvane
