#pragma once
// What the register's chart draws, without a toolkit: the deduction of each tax year in
// dollars, split into section 179, the bonus allowance and depreciation, the bar of the chosen
// year, and which years get a label under the bars.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "register/writers.h"

namespace orvane {

// A year's label under its bar.
struct ChartLabel {
    std::size_t index = 0;  // the bar
    std::string text;
};

struct RegisterChartData {
    // One value a tax year from the first, in dollars.
    std::vector<double> section179, allowance, depreciation;
    std::optional<std::size_t> marked;  // the chosen year's bar
    std::vector<ChartLabel> labels;     // in the order of the bars
    double highest = 0;                 // the tallest bar, in dollars
};

// The chart of `totals` (one row a tax year from `first_year`) with `chosen_year` marked,
// labelling at most about `room` years: every year, or every 2nd, 5th, 10th... year, and the
// chosen year always, in brackets.
RegisterChartData ChartOfTotals(int first_year, const std::vector<reg::TotalsRow>& totals,
                                int chosen_year, int room);

}  // namespace orvane
