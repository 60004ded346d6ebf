#pragma once
// Form 4562 of one tax year from the register's assets: what each asset adds, in cents, and
// the lines in whole dollars. A line that adds up assets is its assets' cents rounded once; a
// line the form computes from other lines is computed from their whole dollars.

#include <array>
#include <optional>
#include <vector>

#include "engine/register_asset.h"
#include "engine/section179.h"

namespace orvane::reg {

struct FormAmount {
    Cents basis = 0, amount = 0;
    bool used = false;
    FormAmount& operator+=(const FormAmount& o);
};

// The rows of lines 19 and 20: by row letter, convention and method.
inline constexpr std::size_t kConventions = 3;  // HY, MQ, MM
inline constexpr std::size_t kMethods = 3;      // 200 DB, 150 DB, S/L
inline constexpr std::size_t kLine19Rows = 9;   // a to i
inline constexpr std::size_t kLine20Rows = 4;   // a to d
// The convention of a row's convention index, and the factor of its method index (100: S/L).
Convention ConventionAt(std::size_t i);
inline constexpr int kFactors[kMethods] = {200, 150, 100};

struct FormSums {
    Section179Sums section179;  // assets placed in service in the year
    Cents line14 = 0;           // allowance, not listed, placed in service in the year
    Cents line17 = 0;           // MACRS of assets placed in service in earlier years, not listed
    std::array<FormAmount, kLine19Rows * kConventions * kMethods> line19{};
    std::array<FormAmount, kLine20Rows * kConventions> line20{};
    Cents line25 = 0;  // allowance on listed property used more than 50%, placed in the year
    FormAmount line26, line27;  // listed property used more than 50% / 50% or less
    FormSums& operator+=(const FormSums& o);
};

// Adds what the asset puts on the form of tax year `year`. `capped` is its section 179
// election as CappedElection gives it.
void AddToForm(int year, const AssetInput& asset, Cents capped, const Schedule& schedule,
               FormSums& sums);

// One row of line 19 or 20.
struct ClassLine {
    char part = '9';  // '9': line 19, '0': line 20
    char row = 'a';
    Convention convention = Convention::None;  // None: a row without assets
    int factor_percent = 0;                    // 200, 150, 100 (S/L); 0 without assets
    int recovery_halves = 0;                   // 0: the form's own text (class life)
    long long basis = 0, amount = 0;
    bool used = false;
};

struct Form4562 {
    Section179Lines section179;
    long long line14 = 0, line17 = 0;
    std::vector<ClassLine> classes;  // 19a to 19i, then 20a to 20d, each at least once
    long long line21 = 0, line22 = 0, line25 = 0;
    long long line26_basis = 0, line26 = 0, line27_basis = 0, line27 = 0, line28 = 0;
};

Form4562 FigureForm(int year, const FormSums& sums, std::optional<long long> business_income,
                    long long carryover_in);

}  // namespace orvane::reg
