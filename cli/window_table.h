#pragma once
// What orvane-cli prints of the main window when its actions are used up, without --json: a
// readable table of the schedule's rows, then the messages, the red captions, the beeps and the
// focus. Texts are written as they are.

#include <iosfwd>

#include "app/model/main_window_model.h"
#include "platform/scripted.h"

namespace orvane::cli {

void PrintTable(const MainWindowModel& m, const ScriptedPlatform& p, std::ostream& out);

}  // namespace orvane::cli
