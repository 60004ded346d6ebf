#pragma once
// The engine's view of the limit files: one look-up opens the file of the vehicle kind, finds
// the first record of the year, copies its six amounts and closes the file.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/vehicle_limits.h"
#include "limits/file_system.h"
#include "platform/services.h"

namespace orvane {

// AutoMax.DAT, Electric.DAT and TruckMax.DAT, in the order of the vehicle kinds A, E and T.
inline constexpr std::string_view kAutoMaxFile = "AutoMax.DAT";
inline constexpr std::string_view kElectricFile = "Electric.DAT";
inline constexpr std::string_view kTruckMaxFile = "TruckMax.DAT";
inline constexpr std::string_view kLimitFileNames[] = {kAutoMaxFile, kElectricFile, kTruckMaxFile};

// The file of vehicle kind 'A', 'E' or 'T'; empty for any other letter.
std::string_view LimitFileForKind(char kind);

// The letter of a vehicle's limit file in the table of yearly limits: 'A', 'E' or 'T'.
char LimitFileKind(Vehicle vehicle);

// The six limit texts of one tax year, in record order (VehicleLimits gives the order).
using VehicleLimitTexts = std::array<std::string, 6>;

class VehicleLimitFiles : public VehicleLimitSource {
  public:
    // File faults are reported through `boxes` in the record files' own messages.
    VehicleLimitFiles(std::filesystem::path folder, MessageBoxes& boxes,
                      FileSystem& fs = DefaultFileSystem());

    // The texts of the first record of `year` (four characters) in the file of vehicle kind
    // 'A', 'E' or 'T'; nothing when no record has that year.
    std::optional<VehicleLimitTexts> Find(char kind, std::string_view year);
    // The same for a year as a number, each limit read as a number: a text that is none reads
    // as its fault (13, or 6 beyond the range of a number).
    std::optional<VehicleLimits> Lookup(Vehicle kind, int year) override;

    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    MessageBoxes& boxes_;
    FileSystem& fs_;
};

}  // namespace orvane
