#include "cli/script.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include <nlohmann/json.hpp>

#include "app/model/main_window_model.h"
#include "base/numtext.h"
#include "cli/batch_line.h"
#include "cli/batch_reader.h"
#include "cli/direct_path.h"
#include "cli/edit_limits.h"
#include "cli/options.h"
#include "cli/print.h"
#include "cli/window_output.h"
#include "controls/edit_buffer.h"
#include "export/calc_spreadsheet.h"
#include "export/mod_excel.h"
#include "limits/data_folder.h"
#include "limits/vehicle_limit_files.h"
#include "platform/fake_spreadsheet.h"
#include "platform/fakes.h"

namespace orvane::cli {
namespace {

using Json = nlohmann::ordered_json;

// ------------------------------------------------------------------ the settings

// What the settings of the command line say; the actions are kept apart, in order.
struct Script {
    std::optional<std::string> limits_dir;
    std::optional<Date> today;
    MsgAnswer answer = MsgAnswer::Yes;
    std::optional<std::string> batch;
    int jobs = 0;  // 0: one a core
    bool json = false;
    bool help = false;
};

Date SystemToday() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::optional<Date> ReadDate(const std::string& s) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
        d > 31 || y < 100 || y > 9999) {
        return std::nullopt;
    }
    return Date{y, m, d};
}

void CheckDate(std::string_view option, const std::string& value) {
    if (!ReadDate(value)) BadValue(option, "a date YYYY-MM-DD", value);
}

// The text box or list named by FIELD=TEXT.
MainCtl PasteField(const std::string& value) {
    auto eq = value.find('=');
    return eq == std::string::npos ? MainCtl::None : FindControl(value.substr(0, eq));
}

void CheckPaste(std::string_view option, const std::string& value) {
    if (PasteField(value) == MainCtl::None)
        BadValue(option, "FIELD=TEXT with FIELD a text box of the window", value);
}

void CheckPrinting(std::string_view option, const std::string&) {
    if (!CliPrinter::Available())
        NotAvailable(option, "this orvane-cli was built without printing");
}

void CheckPdfFile(std::string_view option, const std::string& value) {
    if (value.empty()) BadValue(option, "the name of the PDF file to write", value);
    CheckPrinting(option, value);
}

constexpr int kMaxJobs = 64;

void CheckJobs(std::string_view option, const std::string& value) {
    if (value.empty() || value.size() > 2 ||
        value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) < 1 ||
        std::stoi(value) > kMaxJobs) {
        BadValue(option, "a number of threads from 1 to 64", value);
    }
}

MsgAnswer AnswerOf(std::string_view v) {
    return v == "no" ? MsgAnswer::No : v == "cancel" ? MsgAnswer::Cancel : MsgAnswer::Yes;
}

// ------------------------------------------------------------------ the actions

int FindItem(const Control& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) return static_cast<int>(i);
    }
    return -1;
}

// Carries out the actions on one window, as a person would. An action that a person could not
// carry out at that moment changes nothing and leaves a note among the messages.
class Runner {
  public:
    Runner(MainWindowModel& model, fakes::ScriptedMessageBoxes& boxes, CliPrinter& printer,
           const Services& services, FakeFileDialog& dialog)
        : m_(model), boxes_(boxes), printer_(printer), services_(services), dialog_(dialog) {}

    // The option about to run (its name without "--"), for the notes.
    void Start(std::string_view option, const std::string& value) {
        option_ = option;
        value_ = &value;
    }

    // Only an action that could not be carried out is ignored: one that faulted on the way has
    // shown its box and done what it did, and the script goes on from there as a person would.
    void Click(MainCtl id) {
        if (m_.Click(id) == Outcome::NotPossible)
            Ignore(std::string(Design(id).name) + " is disabled");
    }

    // Chooses the entry whose text is `text`; the class list is opened first.
    void Choose(MainCtl list, const std::string& text) {
        if (!m_.controls().Usable(list))
            return Ignore(std::string(Design(list).name) + " is disabled");
        int index = FindItem(m_.controls()[list], text);
        if (index < 0) return Ignore("not in the list of " + std::string(Design(list).name));
        if (list == MainCtl::cboClass) m_.OpenList(list);
        m_.ChooseItem(list, index);
    }

    // Typing in the life box goes on from its caret (after a choice from the list: the end of
    // the chosen text), as a person's typing there would.
    void TypeLife(const std::string& text) {
        if (Focus(MainCtl::cboLife)) m_.TypeText(text);
    }

    // Types over the whole text of a field, with the focus there already or not.
    void Retype(MainCtl id, const std::string& text) {
        if (Focus(id)) TypeOver(id, text);
    }

    // Retypes a field and leaves it with Tab.
    void RetypeAndLeave(MainCtl id, const std::string& text) {
        if (!Focus(id)) return;
        TypeOver(id, text);
        if (m_.controls().focus() == id) m_.Tab();
    }

    void Paste(const std::string& field_and_text) {
        MainCtl id = PasteField(field_and_text);
        if (Focus(id))
            m_.Paste(std::string_view(field_and_text).substr(field_and_text.find('=') + 1));
    }

    // Presses Print with the page going to the default printer, or into the PDF file `pdf`.
    void Print(const std::string& pdf) {
        if (!m_.controls().Usable(MainCtl::cmdPrint)) return Ignore("cmdPrint is disabled");
        if (pdf.empty()) {
            printer_.UseDefaultPrinter();
        } else {
            printer_.UsePdfFile(pdf);
        }
        m_.Click(MainCtl::cmdPrint);
    }

    // Presses Export and answers the save dialog with `file`; an empty one is Cancel.
    void Export(const std::string& file) {
        if (!m_.controls().Usable(MainCtl::cmdExport)) return Ignore("cmdExport is disabled");
        dialog_.answer = file.empty() ? std::nullopt : std::optional(file);
        cmdExport_Click(m_.controls(), m_.depr(), services_);
    }

  private:
    void Ignore(std::string_view why) {
        std::string text = "ignored: --" + std::string(option_);
        if (!value_->empty()) text += " " + *value_;
        text += " (" + std::string(why) + ")";
        boxes_.shown.push_back({text, "orvane-cli"});
    }

    bool Focus(MainCtl id) {
        if (m_.Focus(id) != Outcome::NotPossible) return true;
        Ignore(std::string(Design(id).name) + " is disabled");
        return false;
    }

    // Selects the whole text and types the new one over it; an empty text erases the field
    // (Delete on the selection).
    void TypeOver(MainCtl id, const std::string& text) {
        m_.Select(id, 0, utf8::Count(m_.controls()[id].text));
        if (!text.empty()) {
            m_.TypeText(text);
            return;
        }
        m_.KeyDown(key::kDelete);
        m_.KeyUp(key::kDelete);
    }

    MainWindowModel& m_;
    fakes::ScriptedMessageBoxes& boxes_;
    CliPrinter& printer_;
    Services services_;
    FakeFileDialog& dialog_;
    std::string_view option_;
    const std::string* value_ = nullptr;
};

// ------------------------------------------------------------------ the option table

using MainOption = Option<Script, Runner>;

constexpr std::string_view kAssetTypes[] = {"regular", "relinquished", "replacement"};
constexpr MainCtl kAssetTypeButtons[] = {MainCtl::optAssetType0, MainCtl::optAssetType1,
                                         MainCtl::optAssetType2};
constexpr std::string_view kConventions[] = {"half-year", "mid-quarter", "mid-month"};
constexpr MainCtl kConventionButtons[] = {MainCtl::optConvention0, MainCtl::optConvention1,
                                          MainCtl::optConvention2};
constexpr std::string_view kAllowances[] = {"30", "50", "100"};
constexpr MainCtl kAllowanceBoxes[] = {MainCtl::chkBonus, MainCtl::chkBonus50,
                                       MainCtl::chkBonus100};
constexpr std::string_view kAnswers[] = {"yes", "no", "cancel"};

// The control of `controls` in the place of `value` among `choices` (checked already).
template <std::size_t N>
MainCtl Pick(const std::string_view (&choices)[N], const MainCtl (&controls)[N],
             std::string_view value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (choices[i] == value) return controls[i];
    }
    return MainCtl::None;
}

// Actions first, then settings.
constexpr MainOption kOptions[] = {
    {.name = "asset-type",
     .help = "click that asset-type option",
     .choices = kAssetTypes,
     .action = [](Runner& r,
                  const std::string& v) { r.Click(Pick(kAssetTypes, kAssetTypeButtons, v)); }},
    {.name = "method",
     .value = "TEXT",
     .help = "choose TEXT in the method list",
     .action = [](Runner& r, const std::string& v) { r.Choose(MainCtl::cboMethod, v); }},
    {.name = "class",
     .value = "TEXT",
     .help = "open the class list, then choose the entry whose text is TEXT",
     .action = [](Runner& r, const std::string& v) { r.Choose(MainCtl::cboClass, v); }},
    {.name = "life",
     .value = "TEXT",
     .help = "choose TEXT from the life list",
     .action = [](Runner& r, const std::string& v) { r.Choose(MainCtl::cboLife, v); }},
    {.name = "type-life",
     .value = "TEXT",
     .help = "type TEXT into the life box at its caret, key by key",
     .action = [](Runner& r, const std::string& v) { r.TypeLife(v); }},
    {.name = "business",
     .value = "TEXT",
     .help = "retype the business-use box key by key, then leave it",
     .action = [](Runner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtBusinessPercent, v); }},
    {.name = "convention",
     .help = "click that option",
     .choices = kConventions,
     .action = [](Runner& r,
                  const std::string& v) { r.Click(Pick(kConventions, kConventionButtons, v)); }},
    {.name = "in-service",
     .value = "MMYYYY|MM/YYYY",
     .help = "retype the in-service box",
     .action = [](Runner& r, const std::string& v) { r.Retype(MainCtl::txtInService, v); }},
    {.name = "cost",
     .value = "TEXT",
     .help = "retype the cost box key by key, then leave it",
     .action = [](Runner& r, const std::string& v) { r.RetypeAndLeave(MainCtl::txtCost, v); }},
    {.name = "allowance",
     .help = "click that allowance box (it toggles)",
     .choices = kAllowances,
     .action = [](Runner& r,
                  const std::string& v) { r.Click(Pick(kAllowances, kAllowanceBoxes, v)); }},
    {.name = "sales-price",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](Runner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtSalesPrice, v); }},
    {.name = "adj-tax-basis",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](Runner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtAdjTaxBasis, v); }},
    {.name = "sold",
     .value = "MMYYYY|MM/YYYY",
     .help = "retype the date-sold box",
     .action = [](Runner& r, const std::string& v) { r.Retype(MainCtl::mskSold, v); }},
    {.name = "description",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](Runner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtDescription, v); }},
    {.name = "paste",
     .value = "FIELD=TEXT",
     .help = "focus the text box FIELD (txtCost, cboLife, ...) and paste TEXT",
     .check = CheckPaste,
     .action = [](Runner& r, const std::string& v) { r.Paste(v); }},
    {.name = "calculate",
     .help = "press Calculate (added once at the end, or before a closing run of --export, if "
             "the action there is not it)",
     .action = [](Runner& r, const std::string&) { r.Click(MainCtl::cmdCalculate); }},
    {.name = "clear",
     .help = "press Clear",
     .action = [](Runner& r, const std::string&) { r.Click(MainCtl::cmdClear); }},
    {.name = "print",
     .help = "press Print: the schedule's page on the system's default printer",
     .check = CheckPrinting,
     .action = [](Runner& r, const std::string&) { r.Print({}); }},
    {.name = "print-pdf",
     .value = "FILE",
     .help = "press Print with the page going into FILE as a PDF instead (letter paper); both "
             "want a schedule, so --calculate first",
     .check = CheckPdfFile,
     .action = [](Runner& r, const std::string& v) { r.Print(v); }},
    {.name = "export",
     .value = "FILE",
     .help = "press Export and answer the save dialog with FILE (empty: Cancel); LibreOffice "
             "Calc writes the workbook",
     .action = [](Runner& r, const std::string& v) { r.Export(v); }},

    {.name = "limits-dir",
     .value = "DIR",
     .help = "folder of AutoMax.DAT, Electric.DAT, TruckMax.DAT",
     .check = FolderName,
     .setting = [](Script& s, const std::string& v) { s.limits_dir = v; }},
    {.name = "today",
     .value = "YYYY-MM-DD",
     .help = "the date the program takes as today",
     .check = CheckDate,
     .setting = [](Script& s, const std::string& v) { s.today = ReadDate(v); }},
    {.name = "json",
     .help = "print one JSON object instead of a readable table",
     .setting = [](Script& s, const std::string&) { s.json = true; }},
    {.name = "answer",
     .help = "the answer to a Yes/No/Cancel question (default yes)",
     .choices = kAnswers,
     .setting = [](Script& s, const std::string& v) { s.answer = AnswerOf(v); }},
    {.name = "batch",
     .value = "FILE",
     .help = "many assets, one a line of FILE (below)",
     .setting = [](Script& s, const std::string& v) { s.batch = v; }},
    {.name = "jobs",
     .value = "N",
     .help = "compute the batch on N threads (default: one a core); the output is the same",
     .check = CheckJobs,
     .setting = [](Script& s, const std::string& v) { s.jobs = std::stoi(v); }},
    {.name = "help",
     .help = "show this text",
     .setting = [](Script& s, const std::string&) { s.help = true; }},
};
constexpr std::span<const MainOption> kTable = kOptions;
constexpr std::size_t kCalculate = IndexOf(kOptions, "calculate");
constexpr std::size_t kExport = IndexOf(kOptions, "export");
constexpr std::size_t kFirstSetting = IndexOf(kOptions, "limits-dir");

std::string Usage() {
    return "orvane-cli [ACTION|SETTING]...\n"
           "Each action is one user action on the main window, applied in the order given, by "
           "the same\nhandlers the window uses. When they are used up it prints the window's "
           "state and exits 0\n(exit 2 with a one-line error for a wrong command line). An action "
           "that a person could not\ncarry out at that moment (a disabled control, an entry that "
           "is not in its list) changes nothing\nand adds {\"title\": \"orvane-cli\", \"text\": "
           "\"ignored: --option VALUE (why)\"} to \"messages\". A message\nbox is recorded in "
           "\"messages\" and answered with its default (OK; a Yes/No/Cancel question\ntakes "
           "--answer). A field is retyped as a person selecting its whole text and typing over "
           "it;\nan empty TEXT erases it.\n\nActions (may repeat; order matters):\n" +
           OptionLines(kTable.first(kFirstSetting)) + "Settings:\n" +
           OptionLines(kTable.subspan(kFirstSetting)) +
           "\nWith --batch each line of FILE is one asset's actions (shell-style quoting), each "
           "run on a\nfreshly loaded window; one compact JSON line per asset: {\"status\": ..., "
           "\"rows\": [[year,\ndepreciation, adj tax basis] texts of the rows that have a year], "
           "\"messages\": [...]}.\n\n"
           "orvane-cli edit-limits --file FILE [--limits-dir DIR] [--json] ACTION...\n"
           "  scripts the limit table editor on one limit file the same way; orvane-cli "
           "edit-limits --help\n  lists its options.\n";
}

// Runs the actions in order on the window, and Calculate once more at the end, or before a
// closing run of exports, unless the action there pressed it.
void RunActions(MainWindowModel& model, fakes::ScriptedMessageBoxes& boxes, CliPrinter& printer,
                const Services& services, FakeFileDialog& dialog,
                const std::vector<Given>& actions) {
    Runner runner(model, boxes, printer, services, dialog);
    auto run = [&](const Given& a) {
        const MainOption& row = kOptions[a.index];
        runner.Start(row.name, a.value);
        row.action(runner, a.value);
    };
    std::size_t end = actions.size();
    while (end > 0 && actions[end - 1].index == kExport)
        --end;
    for (std::size_t i = 0; i < end; ++i)
        run(actions[i]);
    if (end == 0 || actions[end - 1].index != kCalculate) run({kCalculate, {}});
    for (std::size_t i = end; i < actions.size(); ++i)
        run(actions[i]);
}

// What each action is to the batch's direct road, by row.
constexpr Act ActOf(std::string_view name) {
    constexpr std::pair<std::string_view, Act> kActs[] = {
        {"asset-type", Act::AssetType},
        {"method", Act::Method},
        {"class", Act::Class},
        {"life", Act::Life},
        {"type-life", Act::TypeLife},
        {"business", Act::Business},
        {"convention", Act::Convention},
        {"in-service", Act::InService},
        {"cost", Act::Cost},
        {"allowance", Act::Allowance},
        {"sales-price", Act::SalesPrice},
        {"adj-tax-basis", Act::AdjTaxBasis},
        {"sold", Act::Sold},
        {"description", Act::Description},
        {"calculate", Act::Calculate},
    };
    for (const auto& [n, act] : kActs) {
        if (n == name) return act;
    }
    return Act::Other;
}
constexpr auto kActs = [] {
    std::array<Act, std::size(kOptions)> acts{};
    for (std::size_t i = 0; i < acts.size(); ++i)
        acts[i] = ActOf(kOptions[i].name);
    return acts;
}();
constexpr std::size_t kPrint = IndexOf(kOptions, "print");
constexpr std::size_t kPrintPdf = IndexOf(kOptions, "print-pdf");

std::filesystem::path LimitsFolderOf(const Script& s) {
    return s.limits_dir ? std::filesystem::path(*s.limits_dir)
                        : LimitsFolder(ProgramFolder(), ProcessEnvironment());
}

struct Session {
    fakes::Platform platform;
    CliPrinter printer;
    FakeFileDialog dialog;  // answered by --export FILE
    CalcSpreadsheet spreadsheet;
    std::unique_ptr<VehicleLimitFiles> limits;

    Session(const Script& s, const std::filesystem::path& folder) {
        platform.clock.today = s.today ? *s.today : SystemToday();
        platform.boxes.fallback = s.answer;
        limits = std::make_unique<VehicleLimitFiles>(folder, platform.boxes);
    }

    // Print goes to the printer the script chose, Export to LibreOffice; the pointer is
    // nobody's to see.
    Services WindowServices() {
        Services services = platform.services();
        services.printer = &printer;
        services.pointer = nullptr;
        services.spreadsheet = &spreadsheet;
        services.file_dialog = &dialog;
        return services;
    }

    // A freshly loaded main window that finds the vehicle limits in the session's folder.
    MainWindowModel LoadWindow() {
        MainWindowModel model(WindowServices());
        model.depr().vehicle_limits = limits.get();
        model.Form_Load();
        return model;
    }
};

// The line {"error":"line N: WHAT"} of a batch line that could not be read. A byte of WHAT that
// is not UTF-8 (a line's own words are quoted in it) is written as U+FFFD.
void AppendErrorLine(std::string& out, int number, std::string_view what) {
    out += Json{{"error", "line " + std::to_string(number) + ": " + std::string(what)}}.dump(
        -1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

// One computer of batch lines: its own window, loaded once and copied for every line that
// needs a window, and its own direct road.
struct BatchWorker {
    Session session;
    MainWindowModel prototype;
    MainWindowModel model;
    DirectPath direct;
    bool use_direct;
    std::atomic<long>* direct_lines;
    std::vector<std::string> words;
    std::vector<Given> actions;
    std::vector<GivenView> views;
    RowsJson rows;

    BatchWorker(const Script& s, const std::filesystem::path& folder, const BatchTuning& tuning)
        : session(s, folder),
          prototype(session.LoadWindow()),
          model(prototype),
          direct(session.platform.services(), session.limits.get(),
                 prototype.controls()[MainCtl::txtInService].text),
          use_direct(tuning.direct),
          direct_lines(tuning.direct_lines) {}

    // Appends the JSON line of one batch line to `out`. False, with nothing appended, for a
    // line that prints or exports when `may_print` is false.
    bool Compute(std::string_view line, int line_number, bool may_print, std::string& out,
                 int& failures) {
        session.platform.boxes.shown.clear();
        session.platform.beeper.beeps = 0;
        try {
            // A line of plain words is read in place, and goes straight through the engine
            // when it needs no window.
            const bool plain = ReadPlainActions(kTable, line, views);
            if (plain && use_direct) {
                rows.Clear();
                if (direct.Run(views, kActs, rows)) {
                    AppendBatchLine(direct.controls()[MainCtl::stbMain], rows,
                                    session.platform.boxes, out);
                    if (direct_lines) ++*direct_lines;
                    out += '\n';
                    return true;
                }
            }
            if (plain) {
                actions.resize(views.size());
                for (std::size_t i = 0; i < views.size(); ++i) {
                    actions[i].index = views[i].index;
                    actions[i].value.assign(views[i].value);
                }
            } else {
                if (!SplitWords(line, words)) throw UsageError{"unterminated quote"};
                Script settings;
                actions.clear();
                if (ReadOptions(kTable, words, settings, actions) > 0)
                    throw UsageError{"settings belong on the command line, not in a batch line"};
            }
            if (!may_print) {
                for (const Given& a : actions) {
                    if (a.index == kPrint || a.index == kPrintPdf || a.index == kExport)
                        return false;
                }
            }
            model = prototype;
            RunActions(model, session.platform.boxes, session.printer, session.WindowServices(),
                       session.dialog, actions);
            rows.ReadGrid(model.controls().grid);
            AppendBatchLine(model.controls()[MainCtl::stbMain], rows, session.platform.boxes, out);
        } catch (const UsageError& e) {
            ++failures;
            AppendErrorLine(out, line_number, e.message);
            return true;
        }
        out += '\n';
        return true;
    }
};

// A run of consecutive lines of the batch file and the output of the lines computed so far.
struct Block : LineBlock {
    int first_line = 0;    // the number of the first line
    std::size_t done = 0;  // lines computed
    std::string out;
    int failures = 0;
    bool ready = false;

    void Compute(BatchWorker& w, bool may_print) {
        constexpr std::size_t kMaxLine = LineLimits{}.max_line;
        out.clear();
        failures = 0;
        for (done = 0; done < count; ++done) {
            const int number = first_line + static_cast<int>(done);
            if (lines[done].too_long) {
                ++failures;
                AppendErrorLine(out, number, "longer than " + std::to_string(kMaxLine) + " bytes");
                continue;
            }
            const std::string_view line = lines[done].text;
            if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
            if (!w.Compute(line, number, may_print, out, failures)) break;
        }
    }
};

// Computes the blocks on `jobs` threads; the caller writes them in input order.
class BlockPool {
  public:
    BlockPool(int jobs, const Script& s, const std::filesystem::path& folder,
              const BatchTuning& tuning) {
        for (int i = 0; i < jobs; ++i) {
            threads_.emplace_back([this, &s, folder, &tuning] {
                BatchWorker worker(s, folder, tuning);
                for (;;) {
                    Block* b = nullptr;
                    {
                        std::unique_lock lock(mutex_);
                        work_.wait(lock, [&] { return closed_ || !todo_.empty(); });
                        if (todo_.empty()) return;
                        b = todo_.front();
                        todo_.pop_front();
                    }
                    // Printing and export stay with the first thread: left to the caller.
                    b->Compute(worker, false);
                    {
                        std::lock_guard lock(mutex_);
                        b->ready = true;
                    }
                    done_.notify_all();
                }
            });
        }
    }
    ~BlockPool() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        work_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }
    void Add(Block* b) {
        {
            std::lock_guard lock(mutex_);
            b->ready = false;
            todo_.push_back(b);
        }
        work_.notify_one();
    }
    void Wait(Block* b) {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return b->ready; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable work_, done_;
    std::deque<Block*> todo_;
    bool closed_ = false;
    std::vector<std::thread> threads_;
};

int RunBatch(const Script& top, const BatchTuning& tuning, std::ostream& out, std::ostream& err) {
    std::error_code folder_error;
    if (std::filesystem::is_directory(*top.batch, folder_error)) {
        err << "orvane-cli: cannot read batch file '" << *top.batch << "': it is a folder\n";
        return 2;
    }
    std::ifstream in(*top.batch, std::ios::binary);
    if (!in) {
        err << "orvane-cli: cannot read batch file '" << *top.batch << "'\n";
        return 2;
    }
    const std::filesystem::path folder = LimitsFolderOf(top);
    int jobs = top.jobs;
    if (jobs <= 0) {
        jobs = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
    }
    // This thread computes what the pool leaves to it (printing), and everything with one job.
    BatchWorker self(top, folder, tuning);
    std::optional<BlockPool> pool;
    if (jobs > 1) pool.emplace(jobs, top, folder, tuning);

    int failures = 0;
    auto write = [&](Block& b) {
        if (pool) pool->Wait(&b);
        out << b.out;
        failures += b.failures;
        if (b.done < b.count) {
            // The lines from the first one that prints or exports on, in order here.
            std::size_t from = b.done;
            b.first_line += static_cast<int>(from);
            std::rotate(b.lines.begin(), b.lines.begin() + static_cast<std::ptrdiff_t>(from),
                        b.lines.begin() + static_cast<std::ptrdiff_t>(b.count));
            b.count -= from;
            b.Compute(self, true);
            out << b.out;
            failures += b.failures;
        }
    };

    // Up to two blocks a thread in flight: the memory stays the same for any length of file.
    const std::size_t in_flight = pool ? 2 * static_cast<std::size_t>(jobs) : 1;
    std::vector<Block> blocks(in_flight);
    std::size_t next = 0, written = 0;
    int line_number = 0;
    LineReader reader(in);
    for (bool more = true; more;) {
        Block& b = blocks[next % in_flight];
        if (next - written == in_flight) write(blocks[written++ % in_flight]);
        b.first_line = line_number + 1;
        more = reader.Fill(b);
        line_number += static_cast<int>(b.count);
        if (b.count == 0) break;
        if (pool) {
            pool->Add(&b);
        } else {
            b.Compute(self, true);
        }
        ++next;
    }
    while (written < next)
        write(blocks[written++ % in_flight]);
    out.flush();
    if (in.bad()) {
        err << "orvane-cli: reading batch file '" << *top.batch << "' failed after line "
            << line_number << "\n";
        return 2;
    }
    if (failures) {
        err << "orvane-cli: " << failures << " batch line(s) had errors\n";
        return 2;
    }
    return 0;
}

}  // namespace

bool SplitWords(std::string_view line, std::vector<std::string>& words) {
    // The strings of `words` are written again from call to call: a batch splits one line after
    // another.
    std::size_t n = 0;
    bool in_word = false;
    auto word = [&]() -> std::string& {
        if (!in_word) {
            if (n == words.size()) words.emplace_back();
            words[n++].clear();
            in_word = true;
        }
        return words[n - 1];
    };
    auto special = [](char ch) {
        return ch == '\'' || ch == '"' || ch == '\\' || ch == ' ' || ch == '\t' || ch == '\r' ||
               ch == '\n';
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        char ch = line[i];
        if (ch == '\'') {
            auto end = line.find('\'', i + 1);
            if (end == std::string::npos) return false;
            word().append(line, i + 1, end - i - 1);
            i = end;
        } else if (ch == '"') {
            std::string& w = word();
            std::size_t j = i + 1;
            for (; j < line.size() && line[j] != '"'; ++j) {
                if (line[j] == '\\' && j + 1 < line.size() &&
                    (line[j + 1] == '"' || line[j + 1] == '\\' || line[j + 1] == '$' ||
                     line[j + 1] == '`')) {
                    ++j;
                }
                w += line[j];
            }
            if (j >= line.size()) return false;
            i = j;
        } else if (ch == '\\' && i + 1 < line.size()) {
            word() += line[++i];
        } else if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            in_word = false;
        } else {
            // A run of plain characters at once.
            std::size_t j = i + 1;
            while (j < line.size() && !special(line[j]))
                ++j;
            word().append(line, i, j - i);
            i = j - 1;
        }
    }
    words.resize(n);
    return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const BatchTuning& tuning) {
    if (!args.empty() && args.front() == "edit-limits") {
        return RunEditLimitsCli(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    try {
        Script s;
        std::vector<Given> actions;
        ReadOptions(kTable, args, s, actions);
        if (s.help) {
            out << Usage();
            return 0;
        }
        if (s.batch) {
            if (!actions.empty())
                throw UsageError{
                    "option '--batch' takes its actions from the file, not from "
                    "the command line"};
            return RunBatch(s, tuning, out, err);
        }
        Session session(s, LimitsFolderOf(s));
        MainWindowModel model = session.LoadWindow();
        RunActions(model, session.platform.boxes, session.printer, session.WindowServices(),
                   session.dialog, actions);
        if (s.json) {
            out << StateJsonText(model, session.platform) << "\n";
        } else {
            PrintTable(model, session.platform, out);
        }
        return 0;
    } catch (const UsageError& e) {
        err << "orvane-cli: " << e.message << "\n";
        return 2;
    }
}

}  // namespace orvane::cli
