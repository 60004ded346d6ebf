#pragma once
// What orvane-cli --json prints of the main window when its actions are used up: one JSON
// object.

#include <string>

#include <nlohmann/json.hpp>

#include "app/model/main_window_model.h"
#include "platform/scripted.h"

namespace orvane::cli {

// The window's state: status line, grid, captions, messages, red captions, focus, field texts
// and enabled states.
nlohmann::ordered_json StateJson(const MainWindowModel& m, const ScriptedPlatform& p);
// StateJson as text. A text that is not UTF-8 (typed or pasted as it came) is written with U+FFFD
// in place of each broken sequence.
std::string StateJsonText(const MainWindowModel& m, const ScriptedPlatform& p);

}  // namespace orvane::cli
