#pragma once
// The printed page on a QPrinter: full page at 1440 dots per inch, so that one device unit is one
// twip, letter paper. The system's default printer (CUPS) takes a new job for each document; a
// PDF file is written by Qt itself; the print preview lends its own printer.

#include <QPrinter>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/printer.h"

class QPainter;

namespace orvane::qt {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr const char* kPrintJobName = "Depreciation Schedule";

// Full page, 1440 dots per inch, letter paper, no margins.
void SetUpPage(QPrinter& printer);

// Draws the items, each with the top of its line at its y.
void DrawItems(QPainter& painter, const std::vector<PrintItem>& items);

class QtPrinter final : public Printer {
  public:
    // The system's default printer at the moment of printing; none raises fault 484.
    static std::unique_ptr<QtPrinter> DefaultPrinter();
    // Qt's own PDF output into `file`; a file that cannot be written raises fault 75.
    static std::unique_ptr<QtPrinter> PdfFile(std::string file);
    // `device`, owned by the caller and set up by it.
    explicit QtPrinter(QPrinter& device);
    ~QtPrinter() override;

    // 10 point, the size a page starts with.
    double DefaultFontSize() override;
    double LineHeight(const PrintFont& font) override;
    void PrintPage(const std::vector<PrintItem>& items) override;
    // The pages of one document; on the default printer, one job.
    void PrintPages(const std::vector<std::vector<PrintItem>>& pages) override;

  private:
    enum class Target { Default, Pdf, Given };
    QtPrinter(Target target, std::string file);
    // The printer of the page being laid out; the default printer and the PDF file get a new one
    // for each page.
    QPrinter& Device();
    void Print(std::span<const std::vector<PrintItem>> pages);

    Target target_;
    std::string file_;
    QPrinter* given_ = nullptr;
    std::unique_ptr<QPrinter> job_;
};

}  // namespace orvane::qt
