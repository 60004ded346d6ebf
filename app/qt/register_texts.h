#pragma once
// An amount of the register as its windows show it: thousands separators and cents
// (1,234.56), or whole dollars (1,235) as Form 4562 has them.

#include <QString>
#include <string>

#include "register/writers.h"

namespace orvane::qt {

inline QString Money(reg::Cents cents, bool whole_dollars = false) {
    std::string text;
    reg::AppendGrouped(text, cents, whole_dollars);
    return QString::fromStdString(text);
}

}  // namespace orvane::qt
