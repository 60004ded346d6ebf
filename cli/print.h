#pragma once
// The printer behind orvane-cli's Print command: the system's default printer (--print) or
// Qt's PDF output into a file (--print-pdf FILE), chosen before each press of Print. Qt lives in
// the printing module (cli/print_module.h), opened when a print option is first checked; Qt
// starts, off screen, only when something is printed.

#include <memory>
#include <string>
#include <vector>

#include "platform/printer.h"

namespace orvane::cli {

class CliPrinter final : public Printer {
  public:
    CliPrinter();
    ~CliPrinter() override;
    CliPrinter(const CliPrinter&) = delete;
    CliPrinter& operator=(const CliPrinter&) = delete;

    // False when orvane-cli was built without the Qt windows, and so without printing, or when
    // its printing module cannot be opened.
    static bool Available();
    void UseDefaultPrinter();
    void UsePdfFile(const std::string& file);

    double DefaultFontSize() override;
    double LineHeight(const PrintFont& font) override;
    void PrintPage(const std::vector<PrintItem>& items) override;
    void PrintPages(const std::vector<std::vector<PrintItem>>& pages) override;

  private:
    struct QtApp;  // Qt's application object, started by the module on first use
    void StartQt();

    std::unique_ptr<QtApp> qt_;
    std::unique_ptr<Printer> target_;  // goes before Qt
};

}  // namespace orvane::cli
