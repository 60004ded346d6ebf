#include "platform/local_clock.h"

#include <ctime>

namespace orvane {

Date LocalClock::Today() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

}  // namespace orvane
