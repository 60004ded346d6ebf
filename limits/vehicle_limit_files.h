#pragma once
// The engine's view of the limit files: one look-up opens the file of the vehicle kind, finds
// the first record of the year, copies its six amounts and closes the file.

#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/depr.h"
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

class VehicleLimitFiles : public VehicleLimitSource {
  public:
    // File faults are reported through `boxes` in the record files' own messages.
    VehicleLimitFiles(std::filesystem::path folder, MessageBoxes& boxes,
                      FileSystem& fs = DefaultFileSystem());

    std::optional<VehicleLimits> Lookup(char kind, std::string_view year) override;

    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    MessageBoxes& boxes_;
    FileSystem& fs_;
};

}  // namespace orvane
