#include "engine/rates.h"

#include <array>

namespace orvane {
namespace {

// clang-format off
constexpr double kHY3[] = {.3333, .4445, .1481, .0741};
constexpr double kHY5[] = {.2000, .3200, .1920, .1152, .1152, .0576};
constexpr double kHY7[] = {.1429, .2449, .1749, .1249, .0893, .0892, .0893, .0446};
constexpr double kHY10[] = {.1000, .1800, .1440, .1152, .0922, .0737, .0655, .0655, .0656, .0655, .0328};
constexpr double kHY15[] = {.0500, .0950, .0855, .0770, .0693, .0623, .0590, .0590, .0591, .0590,
                            .0591, .0590, .0591, .0590, .0591, .0295};
constexpr double kHY20[] = {.03750, .07219, .06677, .06177, .05713, .05285, .04888, .04522, .04462,
                            .04461, .04462, .04461, .04462, .04461, .04462, .04461, .04462, .04461,
                            .04462, .04461, .02231};

constexpr double kQ1_3[] = {.5833, .2778, .1235, .0154};
constexpr double kQ1_5[] = {.3500, .2600, .1560, .1101, .1101, .0138};
constexpr double kQ1_7[] = {.2500, .2143, .1531, .1093, .0874, .0875, .0874, .0109};
constexpr double kQ1_10[] = {.1750, .1650, .1320, .1056, .0845, .0676, .0655, .0655, .0656, .0655, .0082};
constexpr double kQ1_15[] = {.0875, .0913, .0821, .0739, .0665, .0599, .0590, .0591, .0590, .0591,
                             .0590, .0591, .0590, .0591, .0590, .0074};
constexpr double kQ1_20[] = {.06563, .07000, .06482, .05996, .05546, .05130, .04746, .04459, .04459,
                             .04459, .04459, .04460, .04459, .04460, .04459, .04460, .04459, .04460,
                             .04459, .04460, .00557};

constexpr double kQ2_3[] = {.4167, .3889, .1414, .0530};
constexpr double kQ2_5[] = {.2500, .3000, .1800, .1137, .1137, .0426};
constexpr double kQ2_7[] = {.1785, .2347, .1676, .1197, .0887, .0887, .0887, .0333};
constexpr double kQ2_10[] = {.1250, .1750, .1400, .1120, .0896, .0717, .0655, .0655, .0656, .0655, .0246};
constexpr double kQ2_15[] = {.0625, .0938, .0844, .0759, .0683, .0615, .0591, .0590, .0591, .0590,
                             .0591, .0590, .0591, .0590, .0591, .0221};
constexpr double kQ2_20[] = {.04688, .07148, .06612, .06116, .05658, .05233, .04841, .04478, .04463,
                             .04463, .04463, .04463, .04463, .04463, .04462, .04463, .04462, .04463,
                             .04462, .04463, .01673};

constexpr double kQ3_3[] = {.2500, .5000, .1667, .0833};
constexpr double kQ3_5[] = {.1500, .3400, .2040, .1224, .1130, .0706};
constexpr double kQ3_7[] = {.1071, .2551, .1822, .1302, .0930, .0885, .0886, .0553};
constexpr double kQ3_10[] = {.0750, .1850, .1480, .1184, .0947, .0758, .0655, .0655, .0656, .0655, .0410};
constexpr double kQ3_15[] = {.0375, .0963, .0866, .0780, .0702, .0631, .0590, .0591, .0590, .0591,
                             .0590, .0591, .0590, .0591, .0590, .0369};
constexpr double kQ3_20[] = {.02813, .07289, .06742, .06237, .05769, .05336, .04936, .04566, .04460,
                             .04460, .04460, .04460, .04461, .04460, .04461, .04460, .04461, .04460,
                             .04461, .04460, .02788};

constexpr double kQ4_3[] = {.0833, .6111, .2037, .1019};
constexpr double kQ4_5[] = {.0500, .3800, .2280, .1368, .1094, .0958};
constexpr double kQ4_7[] = {.0357, .2755, .1968, .1406, .1004, .0873, .0873, .0764};
constexpr double kQ4_10[] = {.0250, .1950, .1560, .1248, .0998, .0799, .0655, .0655, .0656, .0655, .0574};
constexpr double kQ4_15[] = {.0125, .0988, .0889, .0800, .0720, .0648, .0590, .0590, .0590, .0591,
                             .0590, .0591, .0590, .0591, .0590, .0517};
constexpr double kQ4_20[] = {.00938, .07430, .06872, .06357, .05880, .05439, .05031, .04654, .04458,
                             .04458, .04458, .04458, .04458, .04458, .04458, .04458, .04458, .04459,
                             .04458, .04459, .03901};

// Real property: year 1 by month, the middle years, and the closing years by month.
constexpr std::array<double, 12> kRes275First = {.03485, .03182, .02879, .02576, .02273, .01970,
                                                 .01667, .01364, .01061, .00758, .00455, .00152};
constexpr std::array<double, 12> kRes275Year28 = {.01970, .02273, .02576, .02879, .03182, .03485,
                                                  .03636, .03636, .03636, .03636, .03636, .03636};
constexpr std::array<double, 12> kRes275Year29 = {0, 0, 0, 0, 0, 0,
                                                  .00152, .00455, .00758, .01061, .01364, .01667};
constexpr std::array<double, 12> kNon315First = {.03042, .02778, .02513, .02249, .01984, .01720,
                                                 .01455, .01190, .00926, .00661, .00397, .00132};
constexpr std::array<double, 12> kNon315Year32 = {.01720, .01984, .02249, .02513, .02778, .03042,
                                                  .031745, .031745, .031745, .031745, .031745, .031745};
constexpr std::array<double, 12> kNon315Year33 = {0, 0, 0, 0, 0, 0,
                                                  .00132, .00397, .00661, .00926, .01190, .01455};
constexpr std::array<double, 12> kNon39First = {.02461, .02247, .02033, .01819, .01605, .01391,
                                                .01177, .00963, .00749, .00535, .00321, .00107};
constexpr std::array<double, 12> kNon39Year40 = {.00107, .00321, .00535, .00749, .00963, .01177,
                                                 .01391, .01605, .01819, .02033, .02247, .02461};
// clang-format on

std::optional<double> ByMonth(const std::array<double, 12>& row, int month, bool zero_is_none) {
    if (month < 1 || month > 12) return std::nullopt;
    double r = row[month - 1];
    if (zero_is_none && r == 0) return std::nullopt;
    return r;
}

}  // namespace

std::span<const double> MacrsRates(int quarter, int life) {
    using Table = std::array<std::span<const double>, 6>;
    static const std::array<Table, 5> tables = {{
        {kHY3, kHY5, kHY7, kHY10, kHY15, kHY20},
        {kQ1_3, kQ1_5, kQ1_7, kQ1_10, kQ1_15, kQ1_20},
        {kQ2_3, kQ2_5, kQ2_7, kQ2_10, kQ2_15, kQ2_20},
        {kQ3_3, kQ3_5, kQ3_7, kQ3_10, kQ3_15, kQ3_20},
        {kQ4_3, kQ4_5, kQ4_7, kQ4_10, kQ4_15, kQ4_20},
    }};
    if (quarter < 0 || quarter > 4) return {};
    switch (life) {
        case 3:
            return tables[quarter][0];
        case 5:
            return tables[quarter][1];
        case 7:
            return tables[quarter][2];
        case 10:
            return tables[quarter][3];
        case 15:
            return tables[quarter][4];
        case 20:
            return tables[quarter][5];
        default:
            return {};
    }
}

std::optional<double> RealPropertyRate(RealProperty table, int year, int month) {
    switch (table) {
        case RealProperty::Residential275:
            if (year == 1) return ByMonth(kRes275First, month, false);
            if (year >= 2 && year <= 9) return .03636;
            if (year >= 10 && year <= 27) return .036365;
            if (year == 28) return ByMonth(kRes275Year28, month, false);
            if (year == 29) return ByMonth(kRes275Year29, month, true);
            return std::nullopt;
        case RealProperty::NonResidential315:
            if (year == 1) return ByMonth(kNon315First, month, false);
            if (year >= 2 && year <= 7) return .03175;
            if (year == 8) return .031745;
            if (year >= 9 && year <= 31) return .0317452149;
            if (year == 32) return ByMonth(kNon315Year32, month, false);
            if (year == 33) return ByMonth(kNon315Year33, month, true);
            return std::nullopt;
        case RealProperty::NonResidential39:
            if (year == 1) return ByMonth(kNon39First, month, false);
            if (year >= 2 && year <= 39) return .02564;
            if (year == 40) return ByMonth(kNon39Year40, month, false);
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace orvane
