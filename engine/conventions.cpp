#include "engine/conventions.h"

namespace orvane {

YearPart FirstYearPart(Convention convention, int month) {
    switch (convention) {
        case Convention::HalfYear:
            return {1, 1};
        case Convention::MidQuarter:
            return {2 * (5 - QuarterOfMonth(month)) - 1, 4};
        case Convention::MidMonth:
            return {2 * (13 - month) - 1, 12};
        case Convention::None:
            break;
    }
    return {};
}

YearPart DisposalYearPart(Convention convention, int month) {
    switch (convention) {
        case Convention::HalfYear:
            return {1, 1};
        case Convention::MidQuarter:
            return {2 * QuarterOfMonth(month) - 1, 4};
        case Convention::MidMonth:
            return {2 * month - 1, 12};
        case Convention::None:
            break;
    }
    return {};
}

}  // namespace orvane
