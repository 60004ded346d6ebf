#include "cli/edit_limits.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>

#include "cli/options.h"
#include "controls/edit_buffer.h"
#include "limits/data_file.h"
#include "limits/data_folder.h"
#include "limits/limit_editor_model.h"
#include "limits/vehicle_limit_files.h"
#include "platform/fakes.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kTool = "orvane-cli edit-limits";
// A screen of 1024 x 768 pixels at 15 twips a pixel, to centre the window on.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;

constexpr std::string_view kNoteTitle = "orvane-cli";

// What the settings of the command line say.
struct Settings {
    std::string file;
    std::optional<std::string> folder;
    bool json = false;
    bool help = false;
};

std::string_view AnswerName(MsgAnswer a) {
    switch (a) {
        case MsgAnswer::Ok:
            return "ok";
        case MsgAnswer::Yes:
            return "yes";
        case MsgAnswer::No:
            return "no";
        case MsgAnswer::Cancel:
            return "cancel";
    }
    return "";
}

MsgAnswer AnswerOf(std::string_view v) {
    return v == "no" ? MsgAnswer::No : v == "cancel" ? MsgAnswer::Cancel : MsgAnswer::Yes;
}

bool IsRecordBox(EditorCtl id) {
    for (EditorCtl box : kRecordBoxes) {
        if (box == id) return true;
    }
    return false;
}

// The box named by FIELD=TEXT.
EditorCtl FieldOf(const std::string& value) {
    auto eq = value.find('=');
    return eq == std::string::npos ? EditorCtl::None
                                   : FindEditorControl(std::string_view(value).substr(0, eq));
}

void CheckField(std::string_view option, const std::string& value) {
    if (!IsRecordBox(FieldOf(value)))
        BadValue(option, "FIELD=TEXT with FIELD one of txtYear, txtYear0 ... txtYear5", value);
}

// Carries out the actions on the editor, as a person would; nothing reaches a closed window.
class Runner {
  public:
    Runner(LimitEditorModel& window, fakes::ScriptedMessageBoxes& boxes)
        : w_(window), boxes_(boxes) {}

    void Start(std::string_view option, const std::string& value) {
        option_ = option;
        value_ = &value;
    }

    void Press(EditorCtl button) {
        if (Open()) w_.Click(button);
    }

    // Clicks into the box, selects its text and types the new text over it; an empty text is
    // removed with the Delete key.
    void Set(const std::string& field_and_text) {
        if (!Open()) return;
        const EditorCtl field = FieldOf(field_and_text);
        const std::string text = field_and_text.substr(field_and_text.find('=') + 1);
        w_.SetFocus(field);
        w_.Select(field, 0, utf8::Count(w_.controls[field].text));
        if (text.empty()) {
            w_.PressDelete(field);
        } else {
            w_.Type(field, text);
        }
    }

    // The answer to the questions that follow.
    void Answer(MsgAnswer answer) { boxes_.fallback = answer; }

  private:
    bool Open() {
        if (w_.loaded()) return true;
        std::string shown = "--" + std::string(option_);
        if (!value_->empty()) shown += " " + *value_;
        boxes_.shown.push_back(
            {"ignored: " + shown + " (the window is closed)", std::string(kNoteTitle)});
        return false;
    }

    LimitEditorModel& w_;
    fakes::ScriptedMessageBoxes& boxes_;
    std::string_view option_;
    const std::string* value_ = nullptr;
};

using EditorOption = Option<Settings, Runner>;

constexpr std::string_view kAnswers[] = {"yes", "no", "cancel"};

// Actions first, then settings.
constexpr EditorOption kOptions[] = {
    {.name = "next",
     .help = "press Next",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdNext); }},
    {.name = "previous",
     .help = "press Previous",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdPrevious); }},
    {.name = "add",
     .help = "press Add",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdAdd); }},
    {.name = "delete",
     .help = "press Delete",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdDelete); }},
    {.name = "save",
     .help = "press Save",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdSave); }},
    {.name = "close",
     .help = "press Close",
     .action = [](Runner& r, const std::string&) { r.Press(EditorCtl::cmdClose); }},
    {.name = "set",
     .value = "FIELD=TEXT",
     .help = "type TEXT over the text of FIELD (txtYear, txtYear0 ... txtYear5)",
     .check = CheckField,
     .action = [](Runner& r, const std::string& v) { r.Set(v); }},
    {.name = "answer",
     .help = "the answer to the questions that follow (yes until given)",
     .choices = kAnswers,
     .action = [](Runner& r, const std::string& v) { r.Answer(AnswerOf(v)); }},

    {.name = "file",
     .help = "the limit file to edit",
     .choices = kLimitFileNames,
     .setting = [](Settings& s, const std::string& v) { s.file = v; }},
    {.name = "limits-dir",
     .value = "DIR",
     .help = "the folder of the limit files",
     .check = FolderName,
     .setting = [](Settings& s, const std::string& v) { s.folder = v; }},
    {.name = "json",
     .help = "print one JSON object instead of a readable text",
     .setting = [](Settings& s, const std::string&) { s.json = true; }},
    {.name = "help",
     .help = "show this text",
     .setting = [](Settings& s, const std::string&) { s.help = true; }},
};
constexpr std::span<const EditorOption> kTable = kOptions;
constexpr std::size_t kFirstSetting = IndexOf(kOptions, "file");

std::string Usage() {
    return "usage: orvane-cli edit-limits --file FILE [--limits-dir DIR] [--json] ACTION...\n"
           "Opens the limit file as the Tools menu does, runs the actions in order on the limit "
           "editor\nand prints the editor's state.\nactions:\n" +
           OptionLines(kTable.first(kFirstSetting)) + "settings:\n" +
           OptionLines(kTable.subspan(kFirstSetting));
}

bool IsNote(const fakes::ScriptedMessageBoxes::Shown& m) {
    return m.title == kNoteTitle;
}

std::vector<std::string> RedLabels(const LimitEditorControls& f) {
    std::vector<std::string> red;
    for (EditorCtl label : kRecordLabels) {
        if (f[label].fore == kRed) red.emplace_back(Design(label).name);
    }
    return red;
}

void PrintJson(std::ostream& out, const std::string& path, const LimitEditorModel& w,
               const DataFile& data, const fakes::Platform& p) {
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
        if (!IsNote(m)) one["answer"] = AnswerName(m.answer);
        messages.push_back(one);
    }
    j["messages"] = messages;
    out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintText(std::ostream& out, const std::string& path, const LimitEditorModel& w,
               const DataFile& data, const fakes::Platform& p) {
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
        if (!IsNote(m)) out << "  -> " << AnswerName(m.answer);
        out << '\n';
    }
}

}  // namespace

int RunEditLimitsCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Settings o;
    std::vector<Given> actions;
    try {
        ReadOptions(kTable, args, o, actions);
        if (!o.help && o.file.empty()) MissingOption("--file");
    } catch (const UsageError& e) {
        err << kTool << ": " << e.message << '\n';
        return 2;
    }
    if (o.help) {
        out << Usage();
        return 0;
    }
    const std::filesystem::path folder = o.folder
                                             ? std::filesystem::path(*o.folder)
                                             : LimitsFolder(ProgramFolder(), ProcessEnvironment());

    fakes::Platform platform;
    DataFile data(folder, platform.boxes);
    // As the Tools menu does: open the file, then show the window on it.
    data.OpenFile(o.file);
    LimitEditorModel window(data, platform.boxes, platform.beeper, o.file);
    window.controls.caption = std::string(EditorCaptionFor(o.file));
    window.Form_Load(kScreenWidth, kScreenHeight);
    Runner runner(window, platform.boxes);
    for (const Given& a : actions) {
        runner.Start(kOptions[a.index].name, a.value);
        kOptions[a.index].action(runner, a.value);
    }

    const std::string path = data.PathOf(o.file);
    if (o.json) {
        PrintJson(out, path, window, data, platform);
    } else {
        PrintText(out, path, window, data, platform);
    }
    return 0;
}

}  // namespace orvane::cli
