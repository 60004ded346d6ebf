#pragma once
// The yearly percentages of IRS Publication 946, Appendix A, as the register uses them, and the
// computation the publication gives for the methods it prints no table of here ("Figuring the
// Deduction Without Using the Tables"). Rates are in hundred-thousandths of the basis (3.485%
// is 3485); amounts are in cents.

#include <cstdint>
#include <span>

#include "engine/register_types.h"

namespace orvane::reg {

// Tables A-1 (quarter 0, half-year) and A-2 to A-5 (mid-quarter, quarter 1 to 4) for a GDS
// class of 3, 5, 7, 10, 15 or 20 years (200% declining balance to 10 years, 150% for 15 and
// 20): the rate of each recovery year. Empty for any other class or quarter.
std::span<const std::int32_t> GdsTable(int quarter, int life);

// Table A-6, residential rental property (27.5 years, mid-month): the rate of recovery year
// `year` (1 to 29) for property placed in service in `month` (1 = January); 0 outside.
std::int32_t ResidentialRate(int year, int month);
// Table A-7a, nonresidential real property (39 years, mid-month); years 1 to 40.
std::int32_t Nonresidential39Rate(int year, int month);

// The straight-line tables: A-8 to A-12 (half-year and mid-quarter, two decimals) and A-7,
// A-13 and A-13a (mid-month, three decimals), for a recovery period of `life_halves` half years
// and a first year's share of `first_share96` 96ths (FirstYearShare96). The publication works
// each year's percent out as the percent not yet recovered over the recovery period left,
// rounded to its printed decimals, and gives the last year what is left: 7-year property at
// half-year is 7.14, 14.29, 14.29, 14.28, 14.29, 14.28, 14.29, 7.14. (The same rule gives
// Tables as printed; A-7a was printed otherwise and is held above.) Writes the
// rates of recovery years 1, 2, ... into `out` and returns how many were written; a whole
// table adds up to 100%.
std::size_t StraightLineRates(int first_share96, int life_halves, bool mid_month,
                              std::span<std::int32_t> out);

// `basis` times `rate` (hundred-thousandths), rounded to the cent (halves away from zero).
Cents ApplyRate(Cents basis, std::int32_t rate);

// The parts of engine/conventions.h in 96ths of a year, the convention as its letter ('H',
// 'Q', 'M'): of the first recovery year for the quarter or month placed in service (HY 48; MQ
// 84, 60, 36, 12 for quarter 1 to 4; MM (12 - month + 0.5) * 8), and of the year of disposal
// for its month (HY 48; MQ 12, 36, 60, 84; MM (month - 0.5) * 8).
int FirstYearShare96(char convention, int quarter, int month);
int DisposalShare96(char convention, int month);

// The window's ADS and straight-line amounts (engine/amounts.h) stay apart on purpose: its ADS
// rounds the first and last years' rates to four decimals and its straight line counts whole
// months, as the window has always shown them; the register works on the basis left, in cents.
// A declining-balance schedule worked out year by year on the basis left: `factor_percent` 200
// or 150, switching to straight line when that is larger; `life_halves` the recovery period in
// half years; the first year's share in 96ths. Writes the amounts of recovery years 1, 2, ... into
// `out` and returns how many were written (at most out.size()). The amounts add up to `basis`.
std::size_t FormulaSchedule(Cents basis, int factor_percent, int life_halves, int first_share96,
                            std::span<Cents> out);

}  // namespace orvane::reg
