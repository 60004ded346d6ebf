#include "cli/edit_limits.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string_view>

#include "limits/ansi.h"
#include "limits/data_file.h"
#include "limits/data_folder.h"
#include "limits/limit_editor_model.h"
#include "limits/vehicle_limit_files.h"

namespace orvane {
namespace {

constexpr std::string_view kTool = "orvane-cli edit-limits";
// A screen of 1024 x 768 pixels at 15 twips a pixel, to centre the window on.
constexpr int kScreenWidth = 15360;
constexpr int kScreenHeight = 11520;

constexpr std::string_view kUsage =
    "usage: orvane-cli edit-limits --file AutoMax.DAT|Electric.DAT|TruckMax.DAT\n"
    "                              [--limits-dir DIR] [--json] ACTION...\n"
    "actions, run in order:\n"
    "  --next, --previous, --add, --delete, --save, --close   press the button\n"
    "  --set FIELD=TEXT      type TEXT into FIELD (txtYear, txtYear0 ... txtYear5)\n"
    "  --answer yes|no|cancel  answer to the questions that follow (default yes)\n";

struct UsageError {
    std::string message;
};

enum class Act { Next, Previous, Add, Delete, Save, Close, Set, Answer };

struct Action {
    Act act;
    std::string option;  // as given, for the "ignored" notes
    std::string value;
    EditorCtl field = EditorCtl::None;
    std::string text;
    MsgAnswer answer = MsgAnswer::Yes;
};

struct Options {
    std::string file;
    std::optional<std::string> folder;
    bool json = false;
    bool help = false;
    std::vector<Action> actions;
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

bool IsRecordBox(EditorCtl id) {
    for (EditorCtl box : kRecordBoxes) {
        if (box == id) return true;
    }
    return false;
}

Options Parse(const std::vector<std::string>& args) {
    Options o;
    std::size_t i = 0;
    if (!args.empty() && args[0] == "edit-limits") ++i;
    for (; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inline_value;
        if (arg.rfind("--", 0) == 0) {
            if (auto eq = arg.find('='); eq != std::string::npos) {
                inline_value = arg.substr(eq + 1);
                arg.resize(eq);
            }
        }
        auto value = [&]() -> std::string {
            if (inline_value) return *inline_value;
            if (i + 1 >= args.size()) throw UsageError{"option '" + arg + "' needs a value"};
            return args[++i];
        };
        auto flag = [&](Act act) {
            if (inline_value) throw UsageError{"option '" + arg + "' takes no value"};
            o.actions.push_back({act, arg, "", EditorCtl::None, "", MsgAnswer::Yes});
        };
        if (arg == "--file") {
            o.file = value();
        } else if (arg == "--limits-dir") {
            o.folder = value();
        } else if (arg == "--json") {
            if (inline_value) throw UsageError{"option '--json' takes no value"};
            o.json = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--next") {
            flag(Act::Next);
        } else if (arg == "--previous") {
            flag(Act::Previous);
        } else if (arg == "--add") {
            flag(Act::Add);
        } else if (arg == "--delete") {
            flag(Act::Delete);
        } else if (arg == "--save") {
            flag(Act::Save);
        } else if (arg == "--close") {
            flag(Act::Close);
        } else if (arg == "--set") {
            std::string v = value();
            std::size_t eq = v.find('=');
            if (eq == std::string::npos) {
                throw UsageError{"option '--set' needs FIELD=TEXT, got '" + v + "'"};
            }
            EditorCtl field = FindEditorControl(std::string_view(v).substr(0, eq));
            if (!IsRecordBox(field)) {
                throw UsageError{"unknown field '" + v.substr(0, eq) +
                                 "' (txtYear, txtYear0 ... txtYear5)"};
            }
            o.actions.push_back({Act::Set, arg, v, field, v.substr(eq + 1), MsgAnswer::Yes});
        } else if (arg == "--answer") {
            std::string v = value();
            MsgAnswer a;
            if (v == "yes") {
                a = MsgAnswer::Yes;
            } else if (v == "no") {
                a = MsgAnswer::No;
            } else if (v == "cancel") {
                a = MsgAnswer::Cancel;
            } else {
                throw UsageError{"option '--answer' takes yes, no or cancel, got '" + v + "'"};
            }
            o.actions.push_back({Act::Answer, arg, v, EditorCtl::None, "", a});
        } else {
            throw UsageError{"unknown option '" + args[i] + "'"};
        }
    }
    if (o.help) return o;
    if (o.file.empty()) throw UsageError{"missing --file"};
    bool known = false;
    for (std::string_view name : kLimitFileNames)
        known = known || name == o.file;
    if (!known) {
        throw UsageError{"--file must be AutoMax.DAT, Electric.DAT or TruckMax.DAT, got '" +
                         o.file + "'"};
    }
    return o;
}

struct Message {
    std::string title;
    std::string text;
    std::string answer;
};

// Records every box and answers it: OK, or the current answer to a question.
class RecordingBoxes : public MessageBoxes {
  public:
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        MsgAnswer a = buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
        messages.push_back({std::string(title.empty() ? kAppTitle : title), std::string(text),
                            std::string(AnswerName(a))});
        return a;
    }
    void Note(std::string text) { messages.push_back({"orvane-cli", std::move(text), ""}); }

    MsgAnswer answer = MsgAnswer::Yes;
    std::vector<Message> messages;
};

class CountingBeeper : public Beeper {
  public:
    void Beep() override { ++count; }
    int count = 0;
};

void Perform(LimitEditorModel& w, RecordingBoxes& boxes, const Action& a) {
    if (a.act == Act::Answer) {
        boxes.answer = a.answer;
        return;
    }
    if (!w.loaded()) {
        std::string shown = a.option;
        if (!a.value.empty()) shown += " " + a.value;
        boxes.Note("ignored: " + shown + " (the window is closed)");
        return;
    }
    switch (a.act) {
        case Act::Next:
            w.Click(EditorCtl::cmdNext);
            break;
        case Act::Previous:
            w.Click(EditorCtl::cmdPrevious);
            break;
        case Act::Add:
            w.Click(EditorCtl::cmdAdd);
            break;
        case Act::Delete:
            w.Click(EditorCtl::cmdDelete);
            break;
        case Act::Save:
            w.Click(EditorCtl::cmdSave);
            break;
        case Act::Close:
            w.Click(EditorCtl::cmdClose);
            break;
        case Act::Set: {
            w.SetFocus(a.field);
            w.Select(a.field, 0, CharCount(w.controls[a.field].text));
            if (a.text.empty()) {
                w.PressDelete(a.field);
            } else {
                w.Type(a.field, a.text);
            }
            break;
        }
        case Act::Answer:
            break;
    }
}

std::vector<std::string> RedLabels(const LimitEditorControls& f) {
    std::vector<std::string> red;
    for (EditorCtl label : kRecordLabels) {
        if (f[label].fore == kRed) red.emplace_back(Design(label).name);
    }
    return red;
}

void PrintJson(std::ostream& out, const std::string& path, const LimitEditorModel& w,
               const DataFile& data, const RecordingBoxes& boxes, int beeps) {
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
    j["beeps"] = beeps;
    ordered_json messages = ordered_json::array();
    for (const Message& m : boxes.messages) {
        ordered_json one = {{"title", m.title}, {"text", m.text}};
        if (!m.answer.empty()) one["answer"] = m.answer;
        messages.push_back(one);
    }
    j["messages"] = messages;
    out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintText(std::ostream& out, const std::string& path, const LimitEditorModel& w,
               const DataFile& data, const RecordingBoxes& boxes, int beeps) {
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
    if (beeps > 0) out << "Beeps: " << beeps << '\n';
    if (!boxes.messages.empty()) out << "Messages:\n";
    for (const Message& m : boxes.messages) {
        out << "  [" << m.title << "] " << m.text;
        if (!m.answer.empty()) out << "  -> " << m.answer;
        out << '\n';
    }
}

}  // namespace

int RunEditLimitsCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    try {
        o = Parse(args);
    } catch (const UsageError& e) {
        err << kTool << ": " << e.message << '\n';
        return 2;
    }
    if (o.help) {
        out << kUsage;
        return 0;
    }
    const std::filesystem::path folder = o.folder
                                             ? std::filesystem::path(*o.folder)
                                             : LimitsFolder(ProgramFolder(), ProcessEnvironment());

    RecordingBoxes boxes;
    CountingBeeper beeper;
    DataFile data(folder, boxes);
    // As the Tools menu does: open the file, then show the window on it.
    data.OpenFile(o.file);
    LimitEditorModel window(data, boxes, beeper, o.file);
    window.controls.caption = std::string(EditorCaptionFor(o.file));
    window.Form_Load(kScreenWidth, kScreenHeight);
    for (const Action& a : o.actions)
        Perform(window, boxes, a);

    const std::string path = data.PathOf(o.file);
    if (o.json) {
        PrintJson(out, path, window, data, boxes, beeper.count);
    } else {
        PrintText(out, path, window, data, boxes, beeper.count);
    }
    return 0;
}

}  // namespace orvane
