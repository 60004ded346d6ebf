#include "cli/register_command.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <thread>

#include "cli/command.h"
#include "cli/options.h"
#include "cli/print.h"
#include "cli/register_reports.h"
#include "cli/window_session.h"
#include "limits/data_folder.h"
#include "platform/local_clock.h"
#include "register/register_run.h"
#include "workbook/workbook_file.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kTool = "orvane-cli register";
constexpr int kMaxJobs = 64;

struct Settings {
    std::string file;
    std::optional<int> year;
    std::optional<reg::Format> format;
    std::optional<std::string> out_dir, folder, workbook, pdf;
    std::string taxpayer;
    std::optional<Date> today;
    std::optional<long long> business_income;
    long long carryover_in = 0;
    int jobs = 0;
    bool help = false;
};
struct NoActions {};
using RegisterOption = Option<Settings, NoActions>;

// A whole number of at most `digits` digits, a minus sign first when `negative` allows it.
bool WholeNumber(std::string_view v, std::size_t digits, bool negative) {
    if (negative && v.starts_with('-')) v.remove_prefix(1);
    return !v.empty() && v.size() <= digits && v.find_first_not_of("0123456789") == v.npos;
}

void CheckYear(std::string_view option, const std::string& v) {
    if (!WholeNumber(v, 4, false) || std::stoi(v) < 1987 || std::stoi(v) > 2100)
        BadValue(option, "a tax year from 1987 to 2100", v);
}
void CheckDollars(std::string_view option, const std::string& v) {
    if (!WholeNumber(v, 13, option == "--business-income"))
        BadValue(option, "a whole number of dollars", v);
}
void CheckJobs(std::string_view option, const std::string& v) {
    if (!WholeNumber(v, 2, false) || std::stoi(v) < 1 || std::stoi(v) > kMaxJobs)
        BadValue(option, "a number of threads from 1 to 64", v);
}

void CheckWorkbook(std::string_view option, const std::string& v) {
    if (!workbook::WorkbookName(v)) BadValue(option, "a file name ending in .xlsx or .ods", v);
}

void CheckPdf(std::string_view option, const std::string& v) {
    if (v.empty()) BadValue(option, "the name of the PDF file to write", v);
    if (!CliPrinter::Available())
        NotAvailable(option, "this orvane-cli was built without printing");
}

constexpr std::string_view kFormats[] = {"table", "csv", "json"};

constexpr RegisterOption kOptions[] = {
    {.name = "year",
     .value = "YYYY",
     .help = "the tax year to report (required)",
     .check = CheckYear,
     .setting = [](Settings& s, const std::string& v) { s.year = std::stoi(v); }},
    {.name = "format",
     .help = "what the standard output gets (default: table on a terminal, csv elsewhere)",
     .choices = kFormats,
     .setting =
         [](Settings& s, const std::string& v) {
             s.format = v == "table" ? reg::Format::Table
                        : v == "csv" ? reg::Format::Csv
                                     : reg::Format::Json;
         }},
    {.name = "out",
     .value = "DIR",
     .help = "write assets.csv, schedules.csv, totals.csv and form4562.csv into DIR, all or none",
     .check = FolderName,
     .setting = [](Settings& s, const std::string& v) { s.out_dir = v; }},
    {.name = "workbook",
     .value = "FILE",
     .help = "write the report as a workbook FILE.xlsx (or .ods, by LibreOffice); the "
             "standard output gets nothing without --format",
     .check = CheckWorkbook,
     .setting = [](Settings& s, const std::string& v) { s.workbook = v; }},
    {.name = "business-income",
     .value = "N",
     .help = "the business income that limits section 179 (Form 4562 line 11), in dollars",
     .check = CheckDollars,
     .setting = [](Settings& s, const std::string& v) { s.business_income = std::stoll(v); }},
    {.name = "carryover-in",
     .value = "N",
     .help = "section 179 carried over from the year before (line 10), in dollars",
     .check = CheckDollars,
     .setting = [](Settings& s, const std::string& v) { s.carryover_in = std::stoll(v); }},
    {.name = "pdf",
     .value = "FILE",
     .help = "print the report (Form 4562, the assets, the totals) into FILE as a PDF, letter "
             "paper; the standard output then gets nothing unless --format is given too",
     .check = CheckPdf,
     .setting = [](Settings& s, const std::string& v) { s.pdf = v; }},
    {.name = "taxpayer",
     .value = "NAME",
     .help = "the taxpayer's name on every page of the printed report",
     .setting = [](Settings& s, const std::string& v) { s.taxpayer = v; }},
    {.name = "today",
     .value = "YYYY-MM-DD",
     .help = "the day the printed report shows as printed (default: the system's)",
     .check = CheckDate,
     .setting = [](Settings& s, const std::string& v) { s.today = ReadDate(v); }},
    {.name = "jobs",
     .value = "N",
     .help = "compute on N threads (default: one a core); the output is the same",
     .check = CheckJobs,
     .setting = [](Settings& s, const std::string& v) { s.jobs = std::stoi(v); }},
    {.name = "limits-dir",
     .value = "DIR",
     .help = "the folder of the vehicle limit files",
     .check = FolderName,
     .setting = [](Settings& s, const std::string& v) { s.folder = v; }},
    {.name = "help",
     .help = "show this text",
     .setting = [](Settings& s, const std::string&) { s.help = true; }},
};
constexpr std::span<const RegisterOption> kTable = kOptions;

std::string RegisterUsage() {
    return "usage: orvane-cli register FILE.csv --year YYYY [options]\n"
           "Reads the asset register FILE.csv and reports the tax year: each asset, the totals "
           "of every\ntax year and the year's Form 4562.\noptions:\n" +
           OptionLines(kTable);
}

// Takes the register's file name out of the arguments: the one word that is neither an
// option nor an option's value.
std::vector<std::string> TakeFile(const std::vector<std::string>& args, std::string& file) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!word.starts_with("--") && word != "-h") {
            if (!file.empty()) UnexpectedArgument(word);
            file = word;
            continue;
        }
        rest.push_back(word);
        const std::string name = word.substr(2, word.find('=') - 2);
        const auto row = std::find_if(kTable.begin(), kTable.end(),
                                      [&](const RegisterOption& o) { return o.name == name; });
        if (row != kTable.end() && !row->flag() && word.find('=') == std::string::npos &&
            i + 1 < args.size() && !args[i + 1].starts_with("--")) {
            rest.push_back(args[++i]);
        }
    }
    return rest;
}

class Register final : public Command {
  public:
    std::string_view name() const override { return "register"; }
    std::string_view description() const override {
        return "a taxpayer's asset register: schedules, yearly totals and Form 4562";
    }
    std::string Usage() const override { return RegisterUsage(); }

    int Run(const CommandLine& line) const override {
        Settings s;
        const std::vector<std::string> options =
            TakeFile(std::vector<std::string>(line.args.begin(), line.args.end()), s.file);
        std::vector<Given> none;
        ReadOptions(kTable, options, s, none);
        if (s.help) {
            line.out << Usage();
            return 0;
        }
        if (s.file.empty())
            throw UsageError{
                "expected the register's file: orvane-cli register FILE.csv --year YYYY"};
        if (!s.year) MissingOption("--year");
        const reg::RegisterOptions o = Options(s, line.out);
        if (s.workbook) {
            const bool alone = !s.format && !s.out_dir && !s.pdf;
            if (const int status = WriteWorkbook(o, *s.workbook, alone, line.err, kTool);
                status != 0)
                return status;
            if (alone) return 0;
        }
        const int status = reg::RunRegister(o, line.out, line.err, kTool);
        if (status != 0 || !s.pdf) return status;
        const PdfReport pdf{*s.pdf, s.taxpayer, s.today ? *s.today : LocalClock().Today()};
        return WriteRegisterPdf(o, pdf, line.err, kTool);
    }

  private:
    static reg::RegisterOptions Options(const Settings& s, std::ostream& out) {
        reg::RegisterOptions o;
        o.file = s.file;
        o.year = *s.year;
        const bool terminal = &out == &std::cout && ::isatty(STDOUT_FILENO);
        o.format = s.format.value_or(terminal ? reg::Format::Table : reg::Format::Csv);
        o.to_stdout = s.format.has_value() || (!s.out_dir && !s.pdf && !s.workbook);
        if (s.out_dir) o.out_dir = *s.out_dir;
        o.business_income = s.business_income;
        o.carryover_in = s.carryover_in;
        o.jobs = s.jobs > 0 ? s.jobs
                            : std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                                         kMaxJobs);
        o.limits_folder = s.folder ? std::filesystem::path(*s.folder)
                                   : LimitsFolder(ProgramFolder(), ProcessEnvironment());
        return o;
    }
};

}  // namespace

const Command& RegisterCommand() {
    static const Register kCommand;
    return kCommand;
}

}  // namespace orvane::cli
