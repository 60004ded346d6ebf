#include "controls/controls.h"

#include <cstdio>

namespace orvane {

std::string Rgb::Hex() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r, g, b);
    return buf;
}

}  // namespace orvane
