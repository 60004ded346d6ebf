#pragma once
// The help viewer: a window that shows the program's help file on its contents, on its keyword
// index or on one page. The Qt program answers it with its help window; tests with the fake in
// fake_help_viewer.h. The viewer reports a missing or broken help file itself.

#include <string_view>

namespace orvane {

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Shows the help file's contents, opened on its first page.
    virtual void ShowContents(std::string_view help_file) = 0;
    // Shows the keyword index with `keyword` in its search box ("" lists every keyword).
    virtual void ShowIndex(std::string_view help_file, std::string_view keyword) = 0;
    // Shows one page of the help file, such as "pages/entering.html#cost".
    virtual void ShowPage(std::string_view help_file, std::string_view page) = 0;
};

}  // namespace orvane
