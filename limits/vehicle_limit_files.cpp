#include "limits/vehicle_limit_files.h"

#include <utility>

#include <cstdio>

#include "base/fault.h"
#include "base/numtext.h"
#include "limits/data_file.h"

namespace orvane {

std::string_view LimitFileForKind(char kind) {
    switch (kind) {
        case 'A':
            return kAutoMaxFile;
        case 'E':
            return kElectricFile;
        case 'T':
            return kTruckMaxFile;
        default:
            return {};
    }
}

VehicleLimitFiles::VehicleLimitFiles(std::filesystem::path folder, MessageBoxes& boxes,
                                     FileSystem& fs)
    : folder_(std::move(folder)), boxes_(boxes), fs_(fs) {}

char LimitFileKind(Vehicle vehicle) {
    switch (vehicle) {
        case Vehicle::Automobile:
            return 'A';
        case Vehicle::CleanFuelAutomobile:
            return 'E';
        case Vehicle::TruckOrVan:
            return 'T';
        case Vehicle::None:
            break;
    }
    return '\0';
}

std::optional<VehicleLimitTexts> VehicleLimitFiles::Find(char kind, std::string_view year) {
    std::string_view file = LimitFileForKind(kind);
    if (file.empty()) return std::nullopt;
    DataFile data(folder_, boxes_, fs_);
    data.OpenFile(file);
    bool found = data.SearchFile(year);
    std::optional<VehicleLimitTexts> limits;
    if (found) {
        const VehicleLimitRecord& r = data.RecordBuffer;
        limits = VehicleLimitTexts{r.FirstYearBonus30Max, r.FirstYearMax,  r.SecondYearMax,
                                   r.ThirdYearMax,        r.FourthYearMax, r.FirstYearBonus50Max};
    }
    data.CloseFile();
    return limits;
}

std::optional<VehicleLimits> VehicleLimitFiles::Lookup(Vehicle kind, int year) {
    char text[8] = {};
    if (year >= 0 && year <= 9999) std::snprintf(text, sizeof text, "%04d", year);
    const std::optional<VehicleLimitTexts> found = Find(LimitFileKind(kind), text);
    if (!found) return std::nullopt;
    VehicleLimits limits;
    for (std::size_t i = 0; i < limits.size(); ++i) {
        try {
            limits[i] = {CDbl((*found)[i]), 0};
        } catch (const Fault& f) {
            limits[i] = {0, f.number()};
        }
    }
    return limits;
}

}  // namespace orvane
