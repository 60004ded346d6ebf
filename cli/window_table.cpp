#include "cli/window_table.h"

#include <cstdio>
#include <ostream>

namespace orvane::cli {
namespace {

// The rows of the schedule that have a year, in year order.
template <class F>
void ForEachRow(const ScheduleGrid& g, F&& f) {
    for (int group = 0; group < 4; ++group) {
        int col = 1 + 3 * group;
        for (int row = 1; row < ScheduleGrid::kRows; ++row) {
            if (!g.Text(row, col).empty())
                f(g.Text(row, col), g.Text(row, col + 1), g.Text(row, col + 2));
        }
    }
}

}  // namespace

void PrintTable(const MainWindowModel& m, const ScriptedPlatform& p, std::ostream& out) {
    const MainWindowControls& f = m.controls();
    out << "status:        \"" << f[MainCtl::stbMain].caption << "\" "
        << f[MainCtl::stbMain].fore.Hex() << "\n";
    out << "allowance:     \"" << f[MainCtl::lblAllowance].caption << "\"\n";
    out << "adjusted cost: \"" << f[MainCtl::lblAdjCost].caption << "\"\n";
    out << "  Year      Depreciation    Adj. Tax Basis\n";
    char line[128];
    ForEachRow(f.grid, [&](const std::string& y, const std::string& d, const std::string& a) {
        std::snprintf(line, sizeof line, "%6s %17s %17s\n", y.c_str(), d.c_str(), a.c_str());
        out << line;
    });
    for (const auto& msg : p.boxes.shown) {
        out << "message: [" << msg.ShownTitle() << "] " << msg.text << "\n";
    }
    std::string red;
    for (int i = 0; i < kControlCount; ++i) {
        auto id = static_cast<MainCtl>(i);
        Kind k = Design(id).kind;
        if ((k == Kind::Label || k == Kind::CheckBox) && f[id].fore == kRed) {
            red += " " + std::string(Design(id).name);
        }
    }
    if (!red.empty()) out << "red:" << red << "\n";
    if (p.beeper.beeps) out << "beeps: " << p.beeper.beeps << "\n";
    out << "focus: " << (f.focus() == MainCtl::None ? "" : Design(f.focus()).name) << "\n";
}

}  // namespace orvane::cli
