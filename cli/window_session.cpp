#include "cli/window_session.h"

#include <cstdio>

#include "limits/data_folder.h"
#include "platform/local_clock.h"

namespace orvane::cli {

std::optional<Date> ReadDate(const std::string& s) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
        d > 31 || y < 100 || y > 9999) {
        return std::nullopt;
    }
    return Date{y, m, d};
}

void CheckDate(std::string_view option, const std::string& value) {
    if (!ReadDate(value)) BadValue(option, "a date YYYY-MM-DD", value);
}

std::filesystem::path LimitsFolderOf(const SessionSettings& s) {
    return s.limits_dir ? std::filesystem::path(*s.limits_dir)
                        : LimitsFolder(ProgramFolder(), ProcessEnvironment());
}

WindowSession::WindowSession(const SessionSettings& s, const std::filesystem::path& folder) {
    platform.clock.today = s.today ? *s.today : LocalClock().Today();
    platform.boxes.fallback = s.answer;
    limits = std::make_unique<VehicleLimitFiles>(folder, platform.boxes);
}

Services WindowSession::WindowServices() {
    Services services = platform.services();
    services.printer = &printer;
    services.pointer = nullptr;
    services.spreadsheet = &spreadsheet;
    services.file_dialog = &dialog;
    return services;
}

MainWindowModel WindowSession::LoadWindow() {
    MainWindowModel model(WindowServices());
    model.depr().vehicle_limits = limits.get();
    model.Form_Load();
    return model;
}

}  // namespace orvane::cli
