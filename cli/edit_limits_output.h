#pragma once
// What orvane-cli edit-limits prints of the limit editor when its actions are used up: one JSON
// object (--json), or a readable text of the boxes as the window shows them.

#include <ostream>
#include <string>

#include "limits/data_file.h"
#include "limits/limit_editor_model.h"
#include "platform/scripted.h"

namespace orvane::cli {

// The file's path, the caption, the boxes, the status line, the red labels, the record, the
// focus, the beeps and the messages with their answers.
void PrintEditorJson(std::ostream& out, const std::string& path, const LimitEditorModel& w,
                     const DataFile& data, const ScriptedPlatform& p);
void PrintEditorText(std::ostream& out, const std::string& path, const LimitEditorModel& w,
                     const DataFile& data, const ScriptedPlatform& p);

}  // namespace orvane::cli
