#include "engine/form4562.h"

namespace orvane::reg {
namespace {

std::size_t ConventionIndex(Convention c) {
    return c == Convention::MidQuarter ? 1 : c == Convention::MidMonth ? 2 : 0;
}
std::size_t MethodIndex(int factor) {
    return factor == 200 ? 0 : factor == 150 ? 1 : 2;
}

// The recovery period the form prints on each row of line 19 (half years) and line 20.
constexpr int kLine19Recovery[kLine19Rows] = {6, 10, 14, 20, 30, 40, 50, 55, 78};
constexpr int kLine20Recovery[kLine20Rows] = {0, 24, 60, 80};

void AddRow(FormAmount& a, Cents basis, Cents amount) {
    a.basis += basis;
    a.amount += amount;
    a.used = true;
}

}  // namespace

Convention ConventionAt(std::size_t i) {
    return i == 1 ? Convention::MidQuarter : i == 2 ? Convention::MidMonth : Convention::HalfYear;
}

FormAmount& FormAmount::operator+=(const FormAmount& o) {
    basis += o.basis;
    amount += o.amount;
    used = used || o.used;
    return *this;
}

FormSums& FormSums::operator+=(const FormSums& o) {
    section179 += o.section179;
    line14 += o.line14;
    line17 += o.line17;
    for (std::size_t i = 0; i < line19.size(); ++i)
        line19[i] += o.line19[i];
    for (std::size_t i = 0; i < line20.size(); ++i)
        line20[i] += o.line20[i];
    line25 += o.line25;
    line26 += o.line26;
    line27 += o.line27;
    return *this;
}

void AddToForm(int year, const AssetInput& a, Cents capped, const Schedule& s, FormSums& sums) {
    if (a.kind == Kind::Land || a.placed.year() > year) return;
    const bool placed_now = a.placed.year() == year;
    if (placed_now) {
        YearSums y;
        AddToYear(a, capped, y);
        sums.section179 += y.section179;
    }
    const YearRow* row = s.Row(year);
    if (!row) return;
    if (a.is_listed()) {
        FormAmount& line = a.listed_minor_use() ? sums.line27 : sums.line26;
        AddRow(line, s.depreciable_basis, row->depreciation);
        if (placed_now && !a.listed_minor_use()) sums.line25 += row->allowance;
        return;
    }
    if (!placed_now) {
        sums.line17 += row->depreciation;
        return;
    }
    if (a.disposed_same_year()) return;
    sums.line14 += row->allowance;
    const std::size_t conv = ConventionIndex(s.convention);
    if (s.cls.system == System::Ads) {
        const std::size_t r = static_cast<std::size_t>(s.form_row - 'a');
        AddRow(sums.line20[r * kConventions + conv], s.depreciable_basis, row->depreciation);
    } else {
        const std::size_t r = static_cast<std::size_t>(s.form_row - 'a');
        const std::size_t m = MethodIndex(s.cls.factor_percent);
        AddRow(sums.line19[(r * kConventions + conv) * kMethods + m], s.depreciable_basis,
               row->depreciation);
    }
}

Form4562 FigureForm(int year, const FormSums& sums, std::optional<long long> business_income,
                    long long carryover_in) {
    Form4562 f;
    f.section179 = FigureSection179(year, sums.section179, business_income, carryover_in);
    f.line14 = WholeDollars(sums.line14);
    f.line17 = WholeDollars(sums.line17);
    long long classes = 0;
    const auto add = [&](char part, std::size_t row, const FormAmount& a, std::size_t conv,
                         int factor, int recovery) {
        ClassLine l{part,     static_cast<char>('a' + row), ConventionAt(conv),     factor,
                    recovery, WholeDollars(a.basis),        WholeDollars(a.amount), true};
        classes += l.amount;
        f.classes.push_back(l);
    };
    for (std::size_t r = 0; r < kLine19Rows; ++r) {
        const std::size_t before = f.classes.size();
        for (std::size_t c = 0; c < kConventions; ++c) {
            for (std::size_t m = 0; m < kMethods; ++m) {
                const FormAmount& a = sums.line19[(r * kConventions + c) * kMethods + m];
                if (a.used) add('9', r, a, c, kFactors[m], kLine19Recovery[r]);
            }
        }
        if (f.classes.size() == before)
            f.classes.push_back({'9', static_cast<char>('a' + r), Convention::None, 0,
                                 kLine19Recovery[r], 0, 0, false});
    }
    for (std::size_t r = 0; r < kLine20Rows; ++r) {
        const std::size_t before = f.classes.size();
        for (std::size_t c = 0; c < kConventions; ++c) {
            const FormAmount& a = sums.line20[r * kConventions + c];
            if (a.used) add('0', r, a, c, 100, kLine20Recovery[r]);
        }
        if (f.classes.size() == before)
            f.classes.push_back({'0', static_cast<char>('a' + r), Convention::None, 0,
                                 kLine20Recovery[r], 0, 0, false});
    }
    f.line25 = WholeDollars(sums.line25);
    f.line26_basis = WholeDollars(sums.line26.basis);
    f.line26 = WholeDollars(sums.line26.amount);
    f.line27_basis = WholeDollars(sums.line27.basis);
    f.line27 = WholeDollars(sums.line27.amount);
    f.line28 = f.line25 + f.line26 + f.line27;
    f.line21 = f.line28;
    f.line22 = f.section179.line12 + f.line14 + f.line17 + classes + f.line21;
    return f;
}

}  // namespace orvane::reg
