#include "register/cells.h"

#include "engine/bonus_allowance.h"
#include "engine/tax_year.h"

namespace orvane::reg {
namespace {

constexpr long long kMaxAmount = 100'000'000'000'000LL;  // in the scaled unit: $1e12 in cents

bool Same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        char d = b[i];
        if (d >= 'A' && d <= 'Z') d = static_cast<char>(d - 'A' + 'a');
        if (c != d) return false;
    }
    return true;
}

template <class T, std::size_t N>
bool Word(std::string_view text, const std::pair<std::string_view, T> (&words)[N], T& out) {
    for (const auto& [w, v] : words) {
        if (Same(text, w)) {
            out = v;
            return true;
        }
    }
    return false;
}

constexpr std::pair<std::string_view, Kind> kKinds[] = {{"personal", Kind::Personal},
                                                        {"residential", Kind::Residential},
                                                        {"nonresidential", Kind::Nonresidential},
                                                        {"qip", Kind::Qip},
                                                        {"auto", Kind::Auto},
                                                        {"truck", Kind::Truck},
                                                        {"suv", Kind::Suv},
                                                        {"land", Kind::Land}};
constexpr std::pair<std::string_view, System> kSystems[] = {{"GDS", System::Gds},
                                                            {"ADS", System::Ads}};
constexpr std::pair<std::string_view, Method> kMethodWords[] = {
    {"200DB", Method::Db200}, {"150DB", Method::Db150}, {"SL", Method::Sl}};
constexpr std::pair<std::string_view, Convention> kConventionWords[] = {
    {"HY", Convention::HalfYear}, {"MQ", Convention::MidQuarter}, {"MM", Convention::MidMonth}};
constexpr std::pair<std::string_view, bool> kYesNo[] = {{"yes", true}, {"no", false}};

std::string HalvesText(int halves) {
    return std::to_string(halves / 2) + (halves % 2 ? ".5" : "");
}

std::string CentsText(Cents c) {
    std::string s;
    AppendCents(s, c);
    return s;
}

}  // namespace

std::string_view Trim(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

DecimalRead ReadDecimal(std::string_view t, int decimals, long long& scaled) {
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    long long whole = 0;
    std::size_t i = 0, digits = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
        if (whole > kMaxAmount) return DecimalRead::TooLarge;
        whole = whole * 10 + (t[i] - '0');
    }
    long long frac = 0;
    int places = 0;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
            if (++places > decimals) {
                if (t[i] != '0') return DecimalRead::TooManyPlaces;
                continue;
            }
            frac = frac * 10 + (t[i] - '0');
        }
    }
    if (i != t.size() || digits == 0) return DecimalRead::NotANumber;
    if (negative && (whole != 0 || frac != 0)) return DecimalRead::Negative;
    for (int p = std::min(places, decimals); p < decimals; ++p)
        frac *= 10;
    long long unit = 1;
    for (int p = 0; p < decimals; ++p)
        unit *= 10;
    if (whole > kMaxAmount / unit) return DecimalRead::TooLarge;
    scaled = whole * unit + frac;
    return DecimalRead::Ok;
}

bool ReadDate(std::string_view t, Day& day) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    int v[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k) {
        for (std::size_t i = starts[k]; i < starts[k] + lengths[k]; ++i) {
            if (t[i] < '0' || t[i] > '9') return false;
            v[k] = v[k] * 10 + (t[i] - '0');
        }
    }
    const int y = v[0], m = v[1], d = v[2];
    if (m < 1 || m > 12 || d < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > kDays[m - 1] + (m == 2 && leap ? 1 : 0)) return false;
    day = Day::Of(y, m, d);
    return true;
}

std::string_view CellReader::Cell(Column c) const {
    const int f = h_.field_of_column[static_cast<std::size_t>(c)];
    if (f < 0 || static_cast<std::size_t>(f) >= fields_.size()) return {};
    return Trim(fields_[static_cast<std::size_t>(f)]);
}

bool CellReader::Fail(Column c, std::string_view expected) {
    error_ = RowError(row_, ColumnName(c), Cell(c), expected);
    return false;
}

bool CellReader::Day_(Column c, Day& day, bool required) {
    const std::string_view t = Cell(c);
    if (t.empty()) return !required || Fail(c, "a date as YYYY-MM-DD");
    if (!ReadDate(t, day)) return Fail(c, "a date as YYYY-MM-DD");
    if (c == Column::Acquired) return true;
    if (day.year() < 1987) return Fail(c, "a date in 1987 or later (MACRS property)");
    if (day.year() > 2100) return Fail(c, "a date in 2100 or earlier");
    return true;
}

bool CellReader::Amount(Column c, Cents& cents) {
    const std::string_view t = Cell(c);
    if (t.empty()) return true;
    long long v = 0;
    switch (ReadDecimal(t, 2, v)) {
        case DecimalRead::Ok:
            cents = v;
            return true;
        case DecimalRead::Negative:
            return Fail(c, "an amount of 0 or more");
        case DecimalRead::TooManyPlaces:
            return Fail(c, "an amount in dollars and cents (at most two decimals)");
        case DecimalRead::TooLarge:
            return Fail(c, "an amount below 1,000,000,000,000");
        case DecimalRead::NotANumber:
            break;
    }
    return Fail(c, "an amount such as 1234.56 (no $ or thousands separators)");
}

bool CellReader::ReadDates(AssetInput& a) {
    return Day_(Column::Placed, a.placed, true) && Day_(Column::Acquired, a.acquired, false) &&
           Day_(Column::Disposed, a.disposed, false);
}

bool CellReader::ReadAmounts(AssetInput& a) {
    if (Cell(Column::Cost).empty()) return Fail(Column::Cost, "an amount of 0 or more");
    return Amount(Column::Cost, a.cost) && Amount(Column::Section179, a.section179) &&
           Amount(Column::Proceeds, a.proceeds) && Amount(Column::Prior, a.prior);
}

bool CellReader::ReadWords(AssetInput& a) {
    std::string_view t = Cell(Column::Property);
    if (!t.empty() && !Word(t, kKinds, a.kind))
        return Fail(Column::Property,
                    "personal, residential, nonresidential, qip, auto, truck, suv or land");
    t = Cell(Column::System);
    if (!t.empty() && !Word(t, kSystems, a.system)) return Fail(Column::System, "GDS or ADS");
    t = Cell(Column::Method);
    if (!t.empty() && !Word(t, kMethodWords, a.method))
        return Fail(Column::Method, "200DB, 150DB or SL");
    t = Cell(Column::Convention);
    if (!t.empty() && !Word(t, kConventionWords, a.convention))
        return Fail(Column::Convention, "HY, MQ or MM");
    t = Cell(Column::Listed);
    if (!t.empty() && !Word(t, kYesNo, a.listed)) return Fail(Column::Listed, "yes or no");
    t = Cell(Column::Allowance);
    if (t.empty() || Same(t, "auto")) return true;
    if (Same(t, "none")) {
        a.allowance = AllowanceMode::None;
        return true;
    }
    if (t.back() == '%') t.remove_suffix(1);
    long long pct = 0;
    const DecimalRead r = ReadDecimal(t, 0, pct);
    if (r == DecimalRead::Ok && pct > 100)
        return Fail(Column::Allowance, "a percent of 100 or less");
    if (r != DecimalRead::Ok) return Fail(Column::Allowance, "auto, none or a whole percent");
    a.allowance = AllowanceMode::Percent;
    a.allowance_percent = static_cast<int>(pct);
    return true;
}

bool CellReader::ReadNumbers(AssetInput& a) {
    std::string_view t = Cell(Column::BusinessUse);
    long long v = 0;
    if (!t.empty()) {
        if (t.back() == '%') t.remove_suffix(1);
        const DecimalRead r = ReadDecimal(t, 2, v);
        if (r == DecimalRead::Ok && v > 10000)
            return Fail(Column::BusinessUse, "a percent of 100 or less");
        if (r != DecimalRead::Ok)
            return Fail(Column::BusinessUse, "a percent from 0 to 100, such as 75.5");
        a.business_bp = static_cast<int>(v);
    }
    t = Cell(Column::Recovery);
    if (!t.empty()) {
        if (ReadDecimal(t, 1, v) != DecimalRead::Ok || v % 5 != 0 || v == 0 || v > 1000)
            return Fail(Column::Recovery, "a recovery period in years, such as 7 or 27.5");
        a.recovery_halves = static_cast<int>(v / 5);
    }
    t = Cell(Column::PriorThrough);
    if (!t.empty()) {
        if (ReadDecimal(t, 0, v) != DecimalRead::Ok || v < 1987 || v > 2100)
            return Fail(Column::PriorThrough, "a tax year from 1987 to 2100");
        a.prior_through = static_cast<int>(v);
    }
    return true;
}

bool CellReader::Read(AssetInput& a, RowTexts& texts) {
    texts.id = Cell(Column::Id);
    texts.description = Cell(Column::Description);
    if (texts.id.empty()) return Fail(Column::Id, "an id");
    return ReadDates(a) && ReadAmounts(a) && ReadWords(a) && ReadNumbers(a);
}

bool CellReader::Check(const AssetInput& a, const VehicleLimitTable& limits) {
    if (const Problem p = CheckAsset(a); p != Problem::None) return Explain(a, p);
    if ((a.kind == Kind::Auto || a.kind == Kind::Truck) && !limits.For(a.kind, a.placed.year()))
        return Fail(Column::Placed, "a year the vehicle limit files hold (Tools, limit editor)");
    return true;
}

namespace {

std::string KindName(const AssetInput& a) {
    for (const auto& [w, v] : kKinds) {
        if (v == a.kind) return std::string(w);
    }
    return {};
}

std::string MethodsAllowed(const AssetInput& a, const AssetClass& c) {
    const int own = DefaultFactor(a, c.recovery_halves);
    if (own == 200) return "200DB, 150DB or SL";
    if (own == 150) return "150DB or SL";
    return "SL (straight line is the only method of this class)";
}

std::string AllowanceExpected(const AssetInput& a) {
    const int dates = AllowancePercentByDates(a.acquired, a.placed);
    std::string s = "auto (" + std::to_string(dates) + "% from the dates), none or 0";
    if (dates == 100 && a.placed.year() == 2025) s += ", or 40 (the election for 2025)";
    if (dates == 100 && a.placed.year() == 2017) s += ", or 50 (the election for 2017)";
    return s;
}

}  // namespace

bool CellReader::Explain(const AssetInput& a, Problem p) {
    const AssetClass c = ClassOf(a);
    const Cents business = BusinessPart(a.cost, a.business_bp);
    switch (p) {
        case Problem::RecoveryMissing:
            return Fail(Column::Recovery,
                        "a recovery period for personal property (3, 5, 7, "
                        "10, 15, 20 or 25 under GDS, the class life under ADS)");
        case Problem::RecoveryNotGdsClass:
            return Fail(Column::Recovery, "3, 5, 7, 10, 15, 20 or 25 under GDS");
        case Problem::RecoveryOutOfRange:
            return Fail(Column::Recovery, "a class life from 1 to 50 years under ADS");
        case Problem::RecoveryNotOfKind:
            return Fail(Column::Recovery, HalvesText(RecoveryOfKind(a)) +
                                              " (the recovery period of " + KindName(a) +
                                              " property) or nothing");
        case Problem::MethodNotAllowed:
            return Fail(Column::Method, MethodsAllowed(a, c));
        case Problem::AdsRequired:
            return Fail(Column::System,
                        "ADS with the class life as recovery: listed property used "
                        "50% or less must use ADS");
        case Problem::QipBefore2018:
            return Fail(Column::Placed,
                        "a date in 2018 or later for qip (earlier improvements "
                        "are nonresidential real property)");
        case Problem::AcquiredAfterPlaced:
            return Fail(Column::Acquired, "a date on or before placed_in_service");
        case Problem::DisposedBeforePlaced:
            return Fail(Column::Disposed, "a date on or after placed_in_service");
        case Problem::Section179NotProperty:
            return Fail(Column::Section179,
                        "nothing: real property and land are not section 179 property");
        case Problem::Section179MinorUse:
            return Fail(Column::Section179,
                        "nothing: listed property used 50% or less gets no section 179");
        case Problem::Section179OverCost:
            return Fail(Column::Section179,
                        "at most the business part of the cost, " + CentsText(business));
        case Problem::AllowanceNotEligible:
            return Fail(Column::Allowance, "auto or none: this property gets no special allowance");
        case Problem::AllowancePercentNotAllowed:
            return Fail(Column::Allowance, AllowanceExpected(a));
        case Problem::ConventionNotOfKind:
            return Fail(Column::Convention,
                        a.real() ? "MM for real property" : "HY or MQ for personal property");
        case Problem::PriorWithoutYear:
            return Fail(Column::PriorThrough, "the last tax year included in prior_depreciation");
        case Problem::PriorYearBeforePlaced:
            return Fail(Column::PriorThrough, "the year placed in service or a later one");
        case Problem::PriorOverCost:
            return Fail(Column::Prior,
                        "at most the business part of the cost, " + CentsText(business));
        case Problem::ProceedsWithoutDisposal:
            return Fail(Column::Proceeds, "nothing without a disposed date");
        case Problem::None:
            break;
    }
    return true;
}

}  // namespace orvane::reg
