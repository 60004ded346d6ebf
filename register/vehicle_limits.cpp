#include "register/vehicle_limits.h"

#include <string_view>

#include "limits/vehicle_limit_files.h"
#include "platform/scripted.h"

namespace orvane::reg {
namespace {

long long Dollars(std::string_view text) {
    long long v = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

const VehicleLimitYear* VehicleLimitTable::For(Kind kind, int year) const {
    if (year < kFirstYear || year > kLastYear) return nullptr;
    const std::size_t i = static_cast<std::size_t>(year - kFirstYear);
    if (kind == Kind::Truck && trucks_[i]) return &*trucks_[i];
    if (kind == Kind::Auto || (kind == Kind::Truck && year < 2003)) {
        return autos_[i] ? &*autos_[i] : nullptr;
    }
    return nullptr;
}

void VehicleLimitTable::Set(char file_kind, int year, const VehicleLimitYear& limits) {
    if (year < kFirstYear || year > kLastYear) return;
    auto& table = file_kind == 'T' ? trucks_ : autos_;
    table[static_cast<std::size_t>(year - kFirstYear)] = limits;
}

VehicleLimitTable LoadVehicleLimits(const std::filesystem::path& folder,
                                    std::vector<std::string>& problems) {
    VehicleLimitTable table;
    ScriptedMessageBoxes boxes;
    VehicleLimitFiles files(folder, boxes);
    for (char kind : {'A', 'T'}) {
        // A look-up would make a missing file (as the editor does); the register only reads.
        std::error_code error;
        if (!std::filesystem::is_regular_file(folder / LimitFileForKind(kind), error)) {
            problems.push_back(std::string(LimitFileForKind(kind)) + ": not found in " +
                               folder.string());
            table.Set(kind, 2026, kVehicleLimits2026);
            continue;
        }
        for (int year = VehicleLimitTable::kFirstYear; year <= 2030; ++year) {
            const auto found = files.Find(kind, std::to_string(year));
            if (found) {
                const VehicleLimitTexts& t = *found;
                table.Set(kind, year,
                          {Dollars(t[0]), Dollars(t[1]), Dollars(t[2]), Dollars(t[3]),
                           Dollars(t[4]), Dollars(t[5]), false});
            } else if (year == 2026) {
                table.Set(kind, year, kVehicleLimits2026);
            }
            if (!boxes.shown.empty()) break;  // the file cannot be read: one report is enough
        }
        for (const auto& shown : boxes.shown)
            problems.push_back(std::string(LimitFileForKind(kind)) + ": " + shown.text);
        boxes.shown.clear();
    }
    return table;
}

}  // namespace orvane::reg
