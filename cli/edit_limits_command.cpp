#include "cli/edit_limits_command.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include "cli/edit_limits_output.h"
#include "cli/options.h"
#include "controls/edit_buffer.h"
#include "limits/data_file.h"
#include "limits/data_folder.h"
#include "limits/limit_editor_model.h"
#include "limits/vehicle_limit_files.h"
#include "platform/scripted.h"

namespace orvane::cli {
namespace {

// A screen of 1024 x 768 pixels at 15 twips a pixel, to centre the window on.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;

// What the settings of the command line say.
struct Settings {
    std::string file;
    std::optional<std::string> folder;
    bool json = false;
    bool help = false;
};

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
    Runner(LimitEditorModel& window, ScriptedMessageBoxes& boxes) : w_(window), boxes_(boxes) {}

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
    ScriptedMessageBoxes& boxes_;
    std::string_view option_;
    const std::string* value_ = nullptr;
};

using EditorOption = Option<Settings, Runner>;

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
     .choices = kAnswerNames,
     .action = [](Runner& r, const std::string& v) { r.Answer(AnswerNamed(v)); }},

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

class EditLimits final : public TableCommand<Settings, Runner> {
  public:
    std::string_view name() const override { return "edit-limits"; }
    std::string_view description() const override {
        return "script the limit table editor on one limit file";
    }
    std::string Usage() const override { return UsageText(UsageBlocks()); }
    std::vector<UsageBlock> UsageBlocks() const override {
        return {{"usage: orvane-cli edit-limits --file FILE [--limits-dir DIR] [--json] ACTION...\n"
                 "Opens the limit file as the Tools menu does, runs the actions in order on the "
                 "limit editor\nand prints the editor's state.\n",
                 "actions:", HelpOf(kTable.first(kFirstSetting))},
                {{}, "settings:", HelpOf(kTable.subspan(kFirstSetting))}};
    }

  protected:
    std::span<const Row> options() const override { return kTable; }

    int Execute(const Settings& o, const std::vector<Given>& actions,
                const CommandLine& line) const override {
        if (o.file.empty()) MissingOption("--file");
        const std::filesystem::path folder =
            o.folder ? std::filesystem::path(*o.folder)
                     : LimitsFolder(ProgramFolder(), ProcessEnvironment());
        ScriptedPlatform platform;
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
            PrintEditorJson(line.out, path, window, data, platform);
        } else {
            PrintEditorText(line.out, path, window, data, platform);
        }
        return 0;
    }
};

}  // namespace

const Command& EditLimitsCommand() {
    static const EditLimits kCommand;
    return kCommand;
}

}  // namespace orvane::cli
