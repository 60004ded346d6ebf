#include "help/help.h"

#include <algorithm>
#include <array>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "base/fault.h"

namespace orvane {
namespace fs = std::filesystem;

namespace {

struct Topic {
    int number;
    std::string_view page;
};

// The topic numbers of the main window's controls and the pages that tell about them.
constexpr std::array<Topic, 15> kTopics = {{
    {90, "pages/printing.html"},
    {230, "pages/entering.html#method"},
    {240, "pages/entering.html#cost"},
    {250, "pages/entering.html#business"},
    {260, "pages/entering.html#clear"},
    {270, "pages/entering.html#description"},
    {280, "pages/entering.html#life"},
    {370, "pages/conventions.html"},
    {440, "pages/entering.html#inservice"},
    {450, "pages/entering.html#class"},
    {460, "pages/exchanges.html"},
    {470, "pages/exchanges.html#salesprice"},
    {480, "pages/exchanges.html#adjtaxbasis"},
    {500, "pages/allowances.html"},
    {510, "pages/entering.html#datesold"},
}};

}  // namespace

std::string_view TopicPage(int topic) {
    for (const Topic& t : kTopics) {
        if (t.number == topic) return t.page;
    }
    return {};
}

const std::vector<int>& HelpTopics() {
    static const std::vector<int> numbers = [] {
        std::vector<int> n;
        for (const Topic& t : kTopics)
            n.push_back(t.number);
        return n;
    }();
    return numbers;
}

fs::path HelpFileFor(const fs::path& program_folder) {
    std::error_code ec;
    const fs::path beside = program_folder / kHelpFileName;
    if (fs::is_regular_file(beside, ec)) return beside;
    const fs::path shared = program_folder.parent_path() / "share" / "orvane" / kHelpFileName;
    if (fs::is_regular_file(shared, ec)) return shared;
    return beside;
}

// A failure of one statement is reported with the routine's name, and the routine goes on.
template <class F>
void Help::Trap(std::string_view routine, F&& statement) {
    try {
        std::forward<F>(statement)();
    } catch (const Fault& f) {
        boxes_.Show(RoutinePrompt(f, routine), "", MsgButtons::Ok);
    } catch (const std::bad_alloc&) {
        boxes_.Show(RoutinePrompt(FaultOf(fault::kOutOfMemory), routine), "", MsgButtons::Ok);
    }
}

void Help::DisplayHelpContents() {
    Trap("Error in DisplayHelpContents ", [&] {
        if (help_file.empty()) {
            boxes_.ShowWithIcon(std::string(kNoHelpFirst) + std::string(kNoHelpSecond), "",
                                MsgButtons::Ok, MsgIcon::Information);
        } else {
            viewer_.ShowContents(help_file);
        }
    });
}

void Help::ShowHelpSearch() {
    Trap("Error in ShowHelpSearch ", [&] { viewer_.ShowIndex(help_file, ""); });
}

void Help::ShowTopic(int topic) {
    if (help_file.empty()) return;
    Trap("Error in ShowHelpTopic ", [&] {
        const std::string_view page = TopicPage(topic);
        if (page.empty()) {
            viewer_.ShowContents(help_file);
        } else {
            viewer_.ShowPage(help_file, page);
        }
    });
}

}  // namespace orvane
