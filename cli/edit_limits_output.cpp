#include "cli/edit_limits_output.h"

#include <algorithm>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/command.h"

namespace orvane::cli {
namespace {

bool IsNote(const ScriptedMessageBoxes::Shown& m) {
    return m.title == kNoteTitle;
}

std::vector<std::string> RedLabels(const LimitEditorControls& f) {
    std::vector<std::string> red;
    for (EditorCtl label : kRecordLabels) {
        if (f[label].fore == kRed) red.emplace_back(Design(label).name);
    }
    return red;
}

}  // namespace

void PrintEditorJson(std::ostream& out, const std::string& path, const LimitEditorModel& w,
                     const DataFile& data, const ScriptedPlatform& p) {
    using nlohmann::ordered_json;
    const LimitEditorControls& f = w.controls;
    ordered_json j;
    j["file"] = path;
    j["caption"] = f.caption;
    j["closed"] = !w.loaded();
    ordered_json fields = ordered_json::object();
    for (EditorCtl box :
         {EditorCtl::txtYear, EditorCtl::txtYear0, EditorCtl::txtYear1, EditorCtl::txtYear2,
          EditorCtl::txtYear3, EditorCtl::txtYear4, EditorCtl::txtYear5}) {
        fields[std::string(Design(box).name)] = f[box].text;
    }
    j["fields"] = fields;
    const Control& status = f[EditorCtl::stbAuto];
    j["status"] = {{"text", status.text},
                   {"color", status.fore.Hex()},
                   {"weight", status.bold ? "bold" : "regular"}};
    j["red_labels"] = RedLabels(f);
    j["current_record"] = data.CurrentRecord;
    j["record_count"] = data.RecordCount;
    j["dirty"] = w.IsDirty;
    j["focus"] = f.focus == EditorCtl::None ? std::string() : std::string(Design(f.focus).name);
    j["beeps"] = p.beeper.beeps;
    ordered_json messages = ordered_json::array();
    for (const auto& m : p.boxes.shown) {
        ordered_json one = {{"title", m.ShownTitle()}, {"text", m.text}};
        if (!IsNote(m)) one["answer"] = NameOf(m.answer);
        messages.push_back(one);
    }
    j["messages"] = messages;
    out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintEditorText(std::ostream& out, const std::string& path, const LimitEditorModel& w,
                     const DataFile& data, const ScriptedPlatform& p) {
    const LimitEditorControls& f = w.controls;
    out << "File: " << path << '\n';
    out << "Window: " << f.caption << (w.loaded() ? "" : " (closed)") << '\n';
    out << "Record " << data.CurrentRecord << " of " << data.RecordCount
        << (w.IsDirty ? " (changed)" : "") << '\n';
    // The boxes as the window shows them, top to bottom.
    for (EditorCtl box :
         {EditorCtl::txtYear, EditorCtl::txtYear0, EditorCtl::txtYear5, EditorCtl::txtYear1,
          EditorCtl::txtYear2, EditorCtl::txtYear3, EditorCtl::txtYear4}) {
        EditorCtl label = static_cast<EditorCtl>(static_cast<int>(box) - 1);
        std::string caption(Design(label).caption);
        caption.resize(std::max<std::size_t>(caption.size(), 15), ' ');
        out << "  " << caption << f[box].text << (f[label].fore == kRed ? "   <- red" : "") << '\n';
    }
    const Control& status = f[EditorCtl::stbAuto];
    out << "Status: \"" << status.text << "\" (" << status.fore.Hex() << ", "
        << (status.bold ? "bold" : "regular") << ")\n";
    if (p.beeper.beeps > 0) out << "Beeps: " << p.beeper.beeps << '\n';
    if (!p.boxes.shown.empty()) out << "Messages:\n";
    for (const auto& m : p.boxes.shown) {
        out << "  [" << m.ShownTitle() << "] " << m.text;
        if (!IsNote(m)) out << "  -> " << NameOf(m.answer);
        out << '\n';
    }
}

}  // namespace orvane::cli
