#pragma once
// The module Help: opens the program's help file on its contents, on its keyword index, or on
// the page of a control of the main window (F1), through the help viewer.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help_viewer.h"
#include "platform/services.h"

namespace orvane {

// The help file, a Qt Help file built from the pages in help/.
inline constexpr std::string_view kHelpFileName = "orvane.qch";

inline constexpr std::string_view kNoHelpFirst = "Unable to display Help Contents. There is no ";
inline constexpr std::string_view kNoHelpSecond = "Help associated with this project.";

// The page that a help topic number of the main window's controls opens ("" for none).
std::string_view TopicPage(int topic);
// Every topic number that has a page, in ascending order.
const std::vector<int>& HelpTopics();

// The help file of a program in `program_folder`: beside the program (the build tree), else in
// ../share/orvane (an installed program), else the name beside the program, for the help
// viewer to report as missing.
std::filesystem::path HelpFileFor(const std::filesystem::path& program_folder);

class Help {
  public:
    Help(MessageBoxes& boxes, HelpViewer& viewer) : boxes_(boxes), viewer_(viewer) {}

    // The program's help file, a full path; empty when the program has none.
    std::string help_file;

    void DisplayHelpContents();
    void ShowHelpSearch();
    // F1 in a control: the page of its topic, or the contents for a topic without a page.
    // Without a help file nothing opens.
    void ShowTopic(int topic);

  private:
    template <class F>
    void Trap(std::string_view routine, F&& statement);

    MessageBoxes& boxes_;
    HelpViewer& viewer_;
};

}  // namespace orvane
