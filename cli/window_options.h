#pragma once
// The scripted window's option table: each action a person can take on the main window (one
// row each, carried out by WindowRunner), and the settings of a run. A batch line is read with
// the same table: its actions, and no settings.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/main_window_model.h"
#include "cli/direct_path.h"
#include "cli/options.h"
#include "cli/window_session.h"

namespace orvane::cli {

// What the settings of the command line say; the actions are kept apart, in order.
struct WindowSettings {
    SessionSettings session;
    std::optional<std::string> batch;
    int jobs = 0;  // 0: one a core
    bool json = false;
    bool help = false;
};

class WindowRunner;
using WindowOption = Option<WindowSettings, WindowRunner>;

// The rows: the actions, then the settings.
std::span<const WindowOption> WindowOptions();
// The row of the first setting: the actions come before it.
std::size_t WindowFirstSetting();

// Reads a batch line of the plain kind in place (ReadPlainActions over the table).
bool ReadPlainWindowLine(std::string_view line, std::vector<GivenView>& actions);
// What each action is to the batch's direct road, by row.
std::span<const Act> WindowActs();
// Whether the action prints or exports.
bool PrintsOrExports(const Given& action);

// Runs the actions in order on the window, and Calculate once more at the end, or before a
// closing run of exports, unless the action there pressed it.
void RunWindowActions(MainWindowModel& model, WindowSession& session,
                      const std::vector<Given>& actions);

}  // namespace orvane::cli
