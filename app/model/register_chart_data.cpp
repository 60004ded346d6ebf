#include "app/model/register_chart_data.h"

#include <algorithm>

namespace orvane {

namespace {

double Dollars(reg::Cents cents) {
    return static_cast<double>(cents) / 100.0;
}

// The step between labelled years so that at most `room` labels fit `count` bars.
int LabelStep(std::size_t count, int room) {
    const auto fits = [&](int step) {
        return static_cast<long long>(count) <= static_cast<long long>(room) * step;
    };
    for (int step : {1, 2, 5, 10, 20, 50})
        if (fits(step)) return step;
    return 100;
}

std::vector<ChartLabel> Labels(int first_year, std::size_t count, std::optional<std::size_t> marked,
                               int room) {
    const int step = LabelStep(count, std::max(room, 1));
    std::vector<ChartLabel> labels;
    for (std::size_t i = 0; i < count; ++i) {
        const int year = first_year + static_cast<int>(i);
        if (marked == i) {
            labels.push_back({i, "[" + std::to_string(year) + "]"});
            continue;
        }
        // Years next to the chosen one give way to its wider label.
        const std::size_t gap = marked ? (i > *marked ? i - *marked : *marked - i) : count;
        if (year % step == 0 && gap >= static_cast<std::size_t>(step))
            labels.push_back({i, std::to_string(year)});
    }
    return labels;
}

}  // namespace

RegisterChartData ChartOfTotals(int first_year, const std::vector<reg::TotalsRow>& totals,
                                int chosen_year, int room) {
    RegisterChartData data;
    for (const reg::TotalsRow& t : totals) {
        data.section179.push_back(Dollars(t.section179));
        data.allowance.push_back(Dollars(t.allowance));
        data.depreciation.push_back(Dollars(t.depreciation));
        data.highest = std::max(data.highest, Dollars(t.total()));
    }
    const long long index = static_cast<long long>(chosen_year) - first_year;
    if (index >= 0 && index < static_cast<long long>(totals.size()))
        data.marked = static_cast<std::size_t>(index);
    data.labels = Labels(first_year, totals.size(), data.marked, room);
    return data;
}

}  // namespace orvane
