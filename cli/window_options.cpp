#include "cli/window_options.h"

#include <array>
#include <utility>

#include "cli/batch_run.h"
#include "cli/print.h"
#include "cli/window_runner.h"

namespace orvane::cli {
namespace {

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

constexpr std::string_view kAssetTypes[] = {"regular", "relinquished", "replacement"};
constexpr MainCtl kAssetTypeButtons[] = {MainCtl::optAssetType0, MainCtl::optAssetType1,
                                         MainCtl::optAssetType2};
constexpr std::string_view kConventions[] = {"half-year", "mid-quarter", "mid-month"};
constexpr MainCtl kConventionButtons[] = {MainCtl::optConvention0, MainCtl::optConvention1,
                                          MainCtl::optConvention2};
constexpr std::string_view kAllowances[] = {"30", "50", "100"};
constexpr MainCtl kAllowanceBoxes[] = {MainCtl::chkBonus, MainCtl::chkBonus50,
                                       MainCtl::chkBonus100};

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
constexpr WindowOption kOptions[] = {
    {.name = "asset-type",
     .help = "click that asset-type option",
     .choices = kAssetTypes,
     .action = [](WindowRunner& r,
                  const std::string& v) { r.Click(Pick(kAssetTypes, kAssetTypeButtons, v)); }},
    {.name = "method",
     .value = "TEXT",
     .help = "choose TEXT in the method list",
     .action = [](WindowRunner& r, const std::string& v) { r.Choose(MainCtl::cboMethod, v); }},
    {.name = "class",
     .value = "TEXT",
     .help = "open the class list, then choose the entry whose text is TEXT",
     .action = [](WindowRunner& r, const std::string& v) { r.Choose(MainCtl::cboClass, v); }},
    {.name = "life",
     .value = "TEXT",
     .help = "choose TEXT from the life list",
     .action = [](WindowRunner& r, const std::string& v) { r.Choose(MainCtl::cboLife, v); }},
    {.name = "type-life",
     .value = "TEXT",
     .help = "type TEXT into the life box at its caret, key by key",
     .action = [](WindowRunner& r, const std::string& v) { r.TypeLife(v); }},
    {.name = "business",
     .value = "TEXT",
     .help = "retype the business-use box key by key, then leave it",
     .action = [](WindowRunner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtBusinessPercent, v); }},
    {.name = "convention",
     .help = "click that option",
     .choices = kConventions,
     .action = [](WindowRunner& r,
                  const std::string& v) { r.Click(Pick(kConventions, kConventionButtons, v)); }},
    {.name = "in-service",
     .value = "MMYYYY|MM/YYYY",
     .help = "retype the in-service box",
     .action = [](WindowRunner& r, const std::string& v) { r.Retype(MainCtl::txtInService, v); }},
    {.name = "cost",
     .value = "TEXT",
     .help = "retype the cost box key by key, then leave it",
     .action = [](WindowRunner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtCost, v); }},
    {.name = "allowance",
     .help = "click that allowance box (it toggles)",
     .choices = kAllowances,
     .action = [](WindowRunner& r,
                  const std::string& v) { r.Click(Pick(kAllowances, kAllowanceBoxes, v)); }},
    {.name = "sales-price",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](WindowRunner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtSalesPrice, v); }},
    {.name = "adj-tax-basis",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](WindowRunner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtAdjTaxBasis, v); }},
    {.name = "sold",
     .value = "MMYYYY|MM/YYYY",
     .help = "retype the date-sold box",
     .action = [](WindowRunner& r, const std::string& v) { r.Retype(MainCtl::mskSold, v); }},
    {.name = "description",
     .value = "TEXT",
     .help = "retype, then leave",
     .action = [](WindowRunner& r,
                  const std::string& v) { r.RetypeAndLeave(MainCtl::txtDescription, v); }},
    {.name = "paste",
     .value = "FIELD=TEXT",
     .help = "focus the text box FIELD (txtCost, cboLife, ...) and paste TEXT",
     .check = CheckPaste,
     .action = [](WindowRunner& r, const std::string& v) { r.Paste(v); }},
    {.name = "calculate",
     .help = "press Calculate (added once at the end, or before a closing run of --export, if "
             "the action there is not it)",
     .action = [](WindowRunner& r, const std::string&) { r.Click(MainCtl::cmdCalculate); }},
    {.name = "clear",
     .help = "press Clear",
     .action = [](WindowRunner& r, const std::string&) { r.Click(MainCtl::cmdClear); }},
    {.name = "print",
     .help = "press Print: the schedule's page on the system's default printer",
     .check = CheckPrinting,
     .action = [](WindowRunner& r, const std::string&) { r.Print({}); }},
    {.name = "print-pdf",
     .value = "FILE",
     .help = "press Print with the page going into FILE as a PDF instead (letter paper); both "
             "want a schedule, so --calculate first",
     .check = CheckPdfFile,
     .action = [](WindowRunner& r, const std::string& v) { r.Print(v); }},
    {.name = "export",
     .value = "FILE",
     .help = "press Export and answer the save dialog with FILE (empty: Cancel); LibreOffice "
             "Calc writes the workbook",
     .action = [](WindowRunner& r, const std::string& v) { r.Export(v); }},

    LimitsDirRow<WindowSettings, WindowRunner>(),
    TodayRow<WindowSettings, WindowRunner>(),
    {.name = "json",
     .help = "print one JSON object instead of a readable table",
     .setting = [](WindowSettings& s, const std::string&) { s.json = true; }},
    AnswerRow<WindowSettings, WindowRunner>(),
    {.name = "batch",
     .value = "FILE",
     .help = "many assets, one a line of FILE (below)",
     .setting = [](WindowSettings& s, const std::string& v) { s.batch = v; }},
    JobsRow<WindowSettings, WindowRunner>(),
    {.name = "help",
     .help = "show this text",
     .setting = [](WindowSettings& s, const std::string&) { s.help = true; }},
};
constexpr std::span<const WindowOption> kTable = kOptions;
constexpr std::size_t kCalculate = IndexOf(kOptions, "calculate");
constexpr std::size_t kExport = IndexOf(kOptions, "export");
constexpr std::size_t kPrint = IndexOf(kOptions, "print");
constexpr std::size_t kPrintPdf = IndexOf(kOptions, "print-pdf");
constexpr std::size_t kFirstSetting = IndexOf(kOptions, "limits-dir");

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

}  // namespace

std::span<const WindowOption> WindowOptions() {
    return kTable;
}

std::size_t WindowFirstSetting() {
    return kFirstSetting;
}

// Flattened: the reading is compiled with the table's rows as constants, as a batch of plain
// lines spends a good part of its time here.
[[gnu::flatten]] bool ReadPlainWindowLine(std::string_view line, std::vector<GivenView>& actions) {
    return ReadPlainActions(kTable, line, actions);
}

std::span<const Act> WindowActs() {
    return kActs;
}

bool PrintsOrExports(const Given& action) {
    return action.index == kPrint || action.index == kPrintPdf || action.index == kExport;
}

void RunWindowActions(MainWindowModel& model, WindowSession& session,
                      const std::vector<Given>& actions) {
    WindowRunner runner(model, session);
    auto run = [&](const Given& a) {
        const WindowOption& row = kOptions[a.index];
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

}  // namespace orvane::cli
