#include "limits/vehicle_limit_files.h"

#include <utility>

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

std::optional<VehicleLimits> VehicleLimitFiles::Lookup(char kind, std::string_view year) {
    std::string_view file = LimitFileForKind(kind);
    if (file.empty()) return std::nullopt;
    DataFile data(folder_, boxes_, fs_);
    data.OpenFile(file);
    bool found = data.SearchFile(year);
    std::optional<VehicleLimits> limits;
    if (found) {
        const VehicleLimitRecord& r = data.RecordBuffer;
        limits = VehicleLimits{r.FirstYearBonus30Max, r.FirstYearMax,  r.SecondYearMax,
                               r.ThirdYearMax,        r.FourthYearMax, r.FirstYearBonus50Max};
    }
    data.CloseFile();
    return limits;
}

}  // namespace orvane
