#pragma once
// What orvane-cli prints of the main window when its actions are used up: one JSON object, or a
// readable table.

#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

#include "app/model/main_window_model.h"
#include "platform/fakes.h"

namespace orvane::cli {

// The window's state: status line, grid, captions, messages, red captions, focus, field texts
// and enabled states.
nlohmann::ordered_json StateJson(const MainWindowModel& m, const fakes::Platform& p);
// StateJson as text. A text that is not UTF-8 (typed or pasted as it came) is written with U+FFFD
// in place of each broken sequence.
std::string StateJsonText(const MainWindowModel& m, const fakes::Platform& p);
// The state as a table of the schedule's rows, the messages and the focus.
void PrintTable(const MainWindowModel& m, const fakes::Platform& p, std::ostream& out);

}  // namespace orvane::cli
