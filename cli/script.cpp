#include "cli/script.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

#include <cxxopts.hpp>
#include <nlohmann/json.hpp>

#include "app/model/main_window_model.h"
#include "cli/edit_limits.h"
#include "cli/print.h"
#include "engine/numtext.h"
#include "limits/data_folder.h"
#include "limits/vehicle_limit_files.h"

namespace orvane::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kUsage = R"USAGE(orvane-cli [ACTION|SETTING]...
Each action is one user action on the main window, applied in the order given, by the same
handlers the window uses. When they are used up it prints the window's state and exits 0
(exit 2 with a one-line error for an unknown option or a missing value). An action that a person
could not carry out at that moment (a disabled control, an entry that is not in its list) changes
nothing and adds {"title": "orvane-cli", "text": "ignored: --option VALUE (why)"} to "messages".
A message box is recorded in "messages" and answered with its default (OK; a Yes/No/Cancel
question takes --answer yes|no|cancel, default yes).

Actions (may repeat; order matters):
  --asset-type regular|relinquished|replacement  click that asset-type option
  --method TEXT            choose TEXT in the method list
  --class TEXT             open the class list, then choose the entry whose text is TEXT
  --life TEXT              choose TEXT from the life list
  --type-life TEXT         type TEXT into the life box key by key (filter, key-up logic)
  --business TEXT          focus the business-use box, type TEXT key by key, leave it
  --convention half-year|mid-quarter|mid-month   click that option
  --in-service MMYYYY|MM/YYYY   type the six digits into the in-service box
  --cost TEXT              focus the cost box, type TEXT key by key, leave it
  --allowance 30|50|100    click that allowance box (it toggles)
  --sales-price TEXT       focus, type key by key, leave
  --adj-tax-basis TEXT     focus, type key by key, leave
  --sold MMYYYY|MM/YYYY    type the six digits into the date-sold box
  --description TEXT       focus, type, leave
  --paste FIELD=TEXT       focus the text box FIELD (txtCost, cboLife, ...) and paste TEXT
An empty TEXT erases the field: its text is selected and Delete pressed.
  --calculate              press Calculate (added once at the end if the last action is not it)
  --clear                  press Clear
  --print                  press Print: the schedule's page on the system's default printer
  --print-pdf FILE         press Print with the page going into FILE as a PDF instead (letter
                           paper); both want a schedule, so --calculate first
Settings:
  --limits-dir DIR         folder of AutoMax.DAT, Electric.DAT, TruckMax.DAT
  --today YYYY-MM-DD       the date the program takes as today
  --json                   print one JSON object instead of a readable table
  --answer yes|no|cancel   the answer to a Yes/No/Cancel question (default yes)
  --batch FILE             many assets: each line of FILE is one asset's actions (same options,
                           shell-style quoting); each starts from a freshly loaded window; prints one
                           compact JSON line per asset: {"status": ..., "rows": [[year, depreciation,
                           adj tax basis] texts of the rows that have a year], "messages": [...]}
  --help                   show this text

orvane-cli edit-limits --file AutoMax.DAT|Electric.DAT|TruckMax.DAT [--limits-dir DIR] [--json]
           [--next] [--previous] [--add] [--delete] [--save] [--close] [--set FIELD=TEXT]
           [--answer yes|no|cancel]
  scripts the limit table editor on one limit file the same way (FIELD: txtYear, txtYear0 to
  txtYear5) and prints the editor's state.
)USAGE";

struct UsageError {
    std::string message;
};

// ------------------------------------------------------------------ the platform, scripted

struct Message {
    std::string title;
    std::string text;
};

class Recorder final : public MessageBoxes, public Beeper {
  public:
    MsgAnswer answer = MsgAnswer::Yes;
    std::vector<Message> messages;
    int beeps = 0;

    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override {
        messages.push_back({std::string(title.empty() ? kAppTitle : title), std::string(text)});
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
    }
    void Beep() override { ++beeps; }
};

class FixedClock final : public Clock {
  public:
    Date today;
    Date Today() const override { return today; }
};

// Widths of the window's 8-point sans-serif font, close enough to size a drop-down list.
class ApproxMetrics final : public TextMetrics {
  public:
    int TextWidthTwips(std::string_view text) const override {
        return static_cast<int>(text.size()) * 90;
    }
    int ScrollBarWidthPixels() const override { return 17; }
    int TwipsPerPixel() const override { return 15; }
};

Date SystemToday() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

Date ParseDate(const std::string& s) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
        d > 31 || y < 100 || y > 9999) {
        throw UsageError{"--today takes a date YYYY-MM-DD, not '" + s + "'"};
    }
    return {y, m, d};
}

// ------------------------------------------------------------------ options

// Every option: its name and whether it takes a value.
struct OptionInfo {
    const char* name;
    bool takes_value;
};
constexpr OptionInfo kOptions[] = {
    {"asset-type", true}, {"method", true},      {"class", true},       {"life", true},
    {"type-life", true},  {"business", true},    {"convention", true},  {"in-service", true},
    {"cost", true},       {"allowance", true},   {"sales-price", true}, {"adj-tax-basis", true},
    {"sold", true},       {"description", true}, {"paste", true},       {"calculate", false},
    {"clear", false},     {"limits-dir", true},  {"today", true},       {"json", false},
    {"answer", true},     {"batch", true},       {"help", false},       {"print", false},
    {"print-pdf", true},
};

cxxopts::Options MakeOptions() {
    cxxopts::Options o("orvane-cli", "Scripted user of the main window");
    auto adder = o.add_options();
    for (const auto& option : kOptions) {
        if (option.takes_value) {
            adder(option.name, "", cxxopts::value<std::string>());
        } else {
            adder(option.name, "");
        }
    }
    return o;
}

struct Action {
    std::string option;
    std::string value;
};

struct Script {
    std::vector<Action> actions;
    std::optional<std::string> limits_dir;
    std::optional<std::string> today;
    std::optional<std::string> answer;
    std::optional<std::string> batch;
    bool json = false;
    bool help = false;
};

void Assign(Script& s, const std::string& key, std::string value) {
    if (key == "json") {
        s.json = true;
    } else if (key == "help") {
        s.help = true;
    } else if (key == "limits-dir") {
        s.limits_dir = std::move(value);
    } else if (key == "today") {
        s.today = std::move(value);
    } else if (key == "answer") {
        s.answer = std::move(value);
    } else if (key == "batch") {
        s.batch = std::move(value);
    } else {
        s.actions.push_back({key, std::move(value)});
    }
}

// The quick road for the plain "--option value" words of a batch line; anything else (an
// unknown option, a missing value, "--option=value") goes to the full parser, which also words
// the errors.
std::optional<Script> QuickParse(const std::vector<std::string>& args) {
    Script s;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!word.starts_with("--")) return std::nullopt;
        std::string_view name = std::string_view(word).substr(2);
        const OptionInfo* known = nullptr;
        for (const auto& o : kOptions) {
            if (name == o.name) known = &o;
        }
        if (known == nullptr) return std::nullopt;
        if (!known->takes_value) {
            Assign(s, word.substr(2), "true");
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].starts_with("-")) return std::nullopt;
        Assign(s, word.substr(2), args[++i]);
    }
    return s;
}

Script Parse(cxxopts::Options& options, const std::vector<std::string>& args) {
    std::vector<const char*> argv;
    argv.push_back("orvane-cli");
    for (const auto& a : args)
        argv.push_back(a.c_str());
    Script s;
    try {
        auto result = options.parse(static_cast<int>(argv.size()), argv.data());
        if (!result.unmatched().empty()) {
            throw UsageError{"unexpected argument '" + result.unmatched().front() + "'"};
        }
        for (const auto& kv : result.arguments())
            Assign(s, kv.key(), kv.value());
    } catch (const cxxopts::exceptions::exception& e) {
        throw UsageError{e.what()};
    }
    return s;
}

MsgAnswer ParseAnswer(const std::string& v) {
    if (v == "yes") return MsgAnswer::Yes;
    if (v == "no") return MsgAnswer::No;
    if (v == "cancel") return MsgAnswer::Cancel;
    throw UsageError{"--answer takes yes, no or cancel, not '" + v + "'"};
}

// ------------------------------------------------------------------ applying actions

int FindItem(const Control& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) return static_cast<int>(i);
    }
    return -1;
}

class Runner {
  public:
    Runner(MainWindowModel& model, Recorder& recorder, CliPrinter& printer)
        : m_(model), rec_(recorder), printer_(printer) {}

    void Apply(const Action& a) {
        const std::string& v = a.value;
        const std::string& o = a.option;
        if (o == "asset-type") {
            MainCtl id = v == "regular"        ? MainCtl::optAssetType0
                         : v == "relinquished" ? MainCtl::optAssetType1
                         : v == "replacement"  ? MainCtl::optAssetType2
                                               : Bad(a, "regular, relinquished or replacement");
            ClickOrIgnore(a, id);
        } else if (o == "method") {
            Choose(a, MainCtl::cboMethod, false);
        } else if (o == "class") {
            Choose(a, MainCtl::cboClass, true);
        } else if (o == "life") {
            Choose(a, MainCtl::cboLife, false);
        } else if (o == "type-life") {
            // Typing in the life box goes on from its caret: after a choice from the list, the
            // end of the chosen text.
            if (FocusOrIgnore(a, MainCtl::cboLife)) m_.TypeText(v);
        } else if (o == "business") {
            TypeAndLeave(a, MainCtl::txtBusinessPercent);
        } else if (o == "convention") {
            MainCtl id = v == "half-year"     ? MainCtl::optConvention0
                         : v == "mid-quarter" ? MainCtl::optConvention1
                         : v == "mid-month"   ? MainCtl::optConvention2
                                              : Bad(a, "half-year, mid-quarter or mid-month");
            ClickOrIgnore(a, id);
        } else if (o == "in-service") {
            if (FocusOrIgnore(a, MainCtl::txtInService)) TypeOrErase(MainCtl::txtInService, v);
        } else if (o == "cost") {
            TypeAndLeave(a, MainCtl::txtCost);
        } else if (o == "allowance") {
            MainCtl id = v == "30"    ? MainCtl::chkBonus
                         : v == "50"  ? MainCtl::chkBonus50
                         : v == "100" ? MainCtl::chkBonus100
                                      : Bad(a, "30, 50 or 100");
            ClickOrIgnore(a, id);
        } else if (o == "sales-price") {
            TypeAndLeave(a, MainCtl::txtSalesPrice);
        } else if (o == "adj-tax-basis") {
            TypeAndLeave(a, MainCtl::txtAdjTaxBasis);
        } else if (o == "sold") {
            if (FocusOrIgnore(a, MainCtl::mskSold)) TypeOrErase(MainCtl::mskSold, v);
        } else if (o == "description") {
            TypeAndLeave(a, MainCtl::txtDescription);
        } else if (o == "paste") {
            auto eq = v.find('=');
            MainCtl id = eq == std::string::npos ? MainCtl::None : FindControl(v.substr(0, eq));
            if (id == MainCtl::None) Bad(a, "FIELD=TEXT with FIELD a text box of the window");
            if (FocusOrIgnore(a, id)) m_.Paste(std::string_view(v).substr(eq + 1));
        } else if (o == "calculate") {
            ClickOrIgnore(a, MainCtl::cmdCalculate);
        } else if (o == "clear") {
            ClickOrIgnore(a, MainCtl::cmdClear);
        } else if (o == "print" || o == "print-pdf") {
            if (!m_.controls().Usable(MainCtl::cmdPrint)) return Ignore(a, "cmdPrint is disabled");
            if (o == "print") {
                printer_.UseDefaultPrinter();
            } else {
                printer_.UsePdfFile(v);
            }
            m_.Click(MainCtl::cmdPrint);
        }
    }

  private:
    [[noreturn]] MainCtl Bad(const Action& a, std::string_view expected) {
        throw UsageError{"--" + a.option + " takes " + std::string(expected) + ", not '" + a.value +
                         "'"};
    }

    void Ignore(const Action& a, std::string_view why) {
        std::string text = "ignored: --" + a.option;
        if (!a.value.empty() && a.value != "true") text += " " + a.value;
        text += " (" + std::string(why) + ")";
        rec_.messages.push_back({"orvane-cli", text});
    }

    // Only an action that could not be carried out is ignored: one that faulted on the way has
    // shown its box and done what it did, and the script goes on from there as a person would.
    void ClickOrIgnore(const Action& a, MainCtl id) {
        if (m_.Click(id) == Outcome::NotPossible)
            Ignore(a, std::string(Design(id).name) + " is disabled");
    }

    bool FocusOrIgnore(const Action& a, MainCtl id) {
        if (m_.Focus(id) != Outcome::NotPossible) return true;
        Ignore(a, std::string(Design(id).name) + " is disabled");
        return false;
    }

    // Selects the whole text of the field, focused already or not, and types the new text over
    // it; an empty text erases the field (Delete on the selection).
    void TypeOrErase(MainCtl id, const std::string& text) {
        m_.Select(id, 0, static_cast<int>(m_.controls()[id].text.size()));
        if (!text.empty()) {
            m_.TypeText(text);
            return;
        }
        m_.KeyDown(key::kDelete);
        m_.KeyUp(key::kDelete);
    }

    void TypeAndLeave(const Action& a, MainCtl id) {
        if (!FocusOrIgnore(a, id)) return;
        TypeOrErase(id, a.value);
        if (m_.controls().focus() == id) m_.Tab();
    }

    void Choose(const Action& a, MainCtl list, bool open_first) {
        if (!m_.controls().Usable(list))
            return Ignore(a, std::string(Design(list).name) + " is disabled");
        int index = FindItem(m_.controls()[list], a.value);
        if (index < 0) return Ignore(a, "not in the list of " + std::string(Design(list).name));
        if (open_first) m_.OpenList(list);
        m_.ChooseItem(list, index);
    }

    MainWindowModel& m_;
    Recorder& rec_;
    CliPrinter& printer_;
};

// ------------------------------------------------------------------ output

Json MessagesJson(const Recorder& rec) {
    Json list = Json::array();
    for (const auto& msg : rec.messages)
        list.push_back({{"title", msg.title}, {"text", msg.text}});
    return list;
}

Json StatusJson(const MainWindowControls& f) {
    return {{"text", f[MainCtl::stbMain].caption}, {"color", f[MainCtl::stbMain].fore.Hex()}};
}

Json StateJson(const MainWindowModel& m, const Recorder& rec) {
    const MainWindowControls& f = m.controls();
    Json grid = Json::array();
    for (int r = 0; r < ScheduleGrid::kRows; ++r) {
        Json row = Json::array();
        for (int c = 0; c < ScheduleGrid::kCols; ++c)
            row.push_back(f.grid.Text(r, c));
        grid.push_back(std::move(row));
    }
    Json red = Json::array();
    Json fields = Json::object();
    Json enabled = Json::object();
    for (int i = 0; i < kControlCount; ++i) {
        auto id = static_cast<MainCtl>(i);
        const MainControlDesign& d = Design(id);
        std::string name(d.name);
        bool captioned = d.kind == Kind::Label || d.kind == Kind::CheckBox ||
                         d.kind == Kind::Option || d.kind == Kind::Frame;
        if (captioned && f[id].fore == kRed) red.push_back(name);
        if (d.kind == Kind::TextBox || d.kind == Kind::MaskBox || d.kind == Kind::ComboList ||
            d.kind == Kind::ComboEdit) {
            fields[name] = f[id].text;
        }
        enabled[name] = f.Usable(id);
    }
    Json j;
    j["status"] = StatusJson(f);
    j["grid"] = std::move(grid);
    j["allowance"] = f[MainCtl::lblAllowance].caption;
    j["adjusted_cost"] = f[MainCtl::lblAdjCost].caption;
    j["method_caption"] = m.depr().state.method_caption;
    j["messages"] = MessagesJson(rec);
    j["red_captions"] = std::move(red);
    j["focus"] = f.focus() == MainCtl::None ? "" : std::string(Design(f.focus()).name);
    j["fields"] = std::move(fields);
    j["enabled"] = std::move(enabled);
    j["last_adj_tax_basis"] = m.depr().state.last_adj_tax_basis;
    j["beeps"] = rec.beeps;
    return j;
}

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

void PrintTable(const MainWindowModel& m, const Recorder& rec, std::ostream& out) {
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
    for (const auto& msg : rec.messages) {
        out << "message: [" << msg.title << "] " << msg.text << "\n";
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
    if (rec.beeps) out << "beeps: " << rec.beeps << "\n";
    out << "focus: " << (f.focus() == MainCtl::None ? "" : Design(f.focus()).name) << "\n";
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plain = 0;
    while (plain < text.size() && text[plain] != '"' && text[plain] != '\\' &&
           static_cast<unsigned char>(text[plain]) >= 0x20) {
        ++plain;
    }
    out.append(text.substr(0, plain));
    for (char ch : text.substr(plain)) {
        auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    out += '"';
}

// One compact line {"status": ..., "rows": [...], "messages": [...]}, written straight into
// `out`: the batch writes a hundred thousand of them.
void AppendBatchLine(const MainWindowModel& m, const Recorder& rec, std::string& out) {
    const MainWindowControls& f = m.controls();
    out += R"({"status":{"text":)";
    AppendJsonString(out, f[MainCtl::stbMain].caption);
    out += R"(,"color":)";
    AppendJsonString(out, f[MainCtl::stbMain].fore.Hex());
    out += R"(},"rows":[)";
    bool first = true;
    ForEachRow(f.grid, [&](const std::string& y, const std::string& d, const std::string& a) {
        out += first ? "[" : ",[";
        first = false;
        AppendJsonString(out, y);
        out += ',';
        AppendJsonString(out, d);
        out += ',';
        AppendJsonString(out, a);
        out += ']';
    });
    out += R"(],"messages":[)";
    first = true;
    for (const auto& msg : rec.messages) {
        out += first ? R"({"title":)" : R"(,{"title":)";
        first = false;
        AppendJsonString(out, msg.title);
        out += R"(,"text":)";
        AppendJsonString(out, msg.text);
        out += '}';
    }
    out += "]}";
}

void RunActions(MainWindowModel& model, Recorder& rec, CliPrinter& printer,
                const std::vector<Action>& actions) {
    Runner runner(model, rec, printer);
    for (const auto& a : actions)
        runner.Apply(a);
    if (actions.empty() || actions.back().option != "calculate") {
        runner.Apply({"calculate", "true"});
    }
}

// Checks the values of the actions before anything runs, so that a bad one costs nothing.
void CheckValues(const std::vector<Action>& actions) {
    for (const auto& a : actions) {
        auto one_of = [&](std::initializer_list<std::string_view> ok, std::string_view said) {
            for (auto v : ok) {
                if (a.value == v) return;
            }
            throw UsageError{"--" + a.option + " takes " + std::string(said) + ", not '" + a.value +
                             "'"};
        };
        if (a.option == "asset-type")
            one_of({"regular", "relinquished", "replacement"},
                   "regular, relinquished or replacement");
        if (a.option == "convention")
            one_of({"half-year", "mid-quarter", "mid-month"},
                   "half-year, mid-quarter or mid-month");
        if (a.option == "allowance") one_of({"30", "50", "100"}, "30, 50 or 100");
        if (a.option == "print-pdf" && a.value.empty()) {
            throw UsageError{"--print-pdf takes the name of the PDF file to write"};
        }
        if ((a.option == "print" || a.option == "print-pdf") && !CliPrinter::Available()) {
            throw UsageError{"--" + a.option + ": this orvane-cli was built without printing"};
        }
    }
}

struct Session {
    Recorder recorder;
    FixedClock clock;
    ApproxMetrics metrics;
    CliPrinter printer;
    Services services;

    std::unique_ptr<VehicleLimitFiles> limits;

    explicit Session(const Script& s) {
        clock.today = s.today ? ParseDate(*s.today) : SystemToday();
        if (s.answer) recorder.answer = ParseAnswer(*s.answer);
        if (s.limits_dir && s.limits_dir->empty())
            throw UsageError{"--limits-dir takes a folder name, not ''"};
        services = {&recorder, &recorder, &clock, &metrics, &printer};
        std::filesystem::path folder = s.limits_dir
                                           ? std::filesystem::path(*s.limits_dir)
                                           : LimitsFolder(ProgramFolder(), ProcessEnvironment());
        limits = std::make_unique<VehicleLimitFiles>(folder, recorder);
    }

    // A freshly loaded main window that finds the vehicle limits in the session's folder.
    MainWindowModel LoadWindow() {
        MainWindowModel model(services);
        model.depr().vehicle_limits = limits.get();
        model.Form_Load();
        return model;
    }
};

int RunBatch(cxxopts::Options& options, const Script& top, std::ostream& out, std::ostream& err) {
    std::ifstream in(*top.batch);
    if (!in) {
        err << "orvane-cli: cannot read batch file '" << *top.batch << "'\n";
        return 2;
    }
    Session session(top);
    MainWindowModel prototype = session.LoadWindow();
    std::string line;
    std::string buffer;
    std::vector<std::string> words;
    int line_number = 0;
    int failures = 0;
    while (std::getline(in, line)) {
        ++line_number;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        session.recorder.messages.clear();
        session.recorder.beeps = 0;
        try {
            if (!SplitWords(line, words)) throw UsageError{"unterminated quote"};
            std::optional<Script> quick = QuickParse(words);
            Script s = quick ? std::move(*quick) : Parse(options, words);
            if (s.batch || s.limits_dir || s.today || s.answer || s.json || s.help) {
                throw UsageError{"settings belong on the command line, not in a batch line"};
            }
            CheckValues(s.actions);
            MainWindowModel model(prototype);
            RunActions(model, session.recorder, session.printer, s.actions);
            AppendBatchLine(model, session.recorder, buffer);
        } catch (const UsageError& e) {
            ++failures;
            buffer +=
                Json{{"error", "line " + std::to_string(line_number) + ": " + e.message}}.dump();
        }
        buffer += '\n';
        if (buffer.size() > (1u << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    if (failures) {
        err << "orvane-cli: " << failures << " batch line(s) had errors\n";
        return 2;
    }
    return 0;
}

}  // namespace

bool SplitWords(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    std::string word;
    bool in_word = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '\'') {
            auto end = line.find('\'', i + 1);
            if (end == std::string::npos) return false;
            word.append(line, i + 1, end - i - 1);
            i = end;
            in_word = true;
        } else if (ch == '"') {
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size() &&
                    (line[j + 1] == '"' || line[j + 1] == '\\' || line[j + 1] == '$' ||
                     line[j + 1] == '`')) {
                    ++j;
                }
                word += line[j];
            }
            if (j >= line.size()) return false;
            i = j;
            in_word = true;
        } else if (ch == '\\' && i + 1 < line.size()) {
            word += line[++i];
            in_word = true;
        } else if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            if (in_word) words.push_back(std::move(word));
            word.clear();
            in_word = false;
        } else {
            word += ch;
            in_word = true;
        }
    }
    if (in_word) words.push_back(std::move(word));
    return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args.front() == "edit-limits") {
        return RunEditLimitsCli(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    static cxxopts::Options options = MakeOptions();
    try {
        Script s = Parse(options, args);
        if (s.help) {
            out << kUsage;
            return 0;
        }
        if (s.batch) {
            if (!s.actions.empty()) throw UsageError{"--batch takes its actions from the file"};
            return RunBatch(options, s, out, err);
        }
        CheckValues(s.actions);
        Session session(s);
        MainWindowModel model = session.LoadWindow();
        RunActions(model, session.recorder, session.printer, s.actions);
        if (s.json) {
            out << StateJson(model, session.recorder).dump(1) << "\n";
        } else {
            PrintTable(model, session.recorder, out);
        }
        return 0;
    } catch (const UsageError& e) {
        err << "orvane-cli: " << e.message << "\n";
        return 2;
    }
}

}  // namespace orvane::cli
