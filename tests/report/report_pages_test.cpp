// The report's pages on a printer of fixed line heights: a generated register with a long
// description and a long taxpayer name stays inside the printable part of every page, every
// page has its header with the right page number, and every asset is listed exactly once.

#include <cctype>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>
#include <unistd.h>

#include "register/vehicle_limits.h"
#include "report/report_pages.h"
#include "tests/register/generated_register.h"
#include "tests/support/fakes.h"

namespace orvane::report {
namespace {

namespace fs = std::filesystem;

int Chars(const std::string& text) {
    int n = 0;
    for (char ch : text)
        n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
}

TEST(ReportPagesTest, PagesOfAGeneratedRegister) {
    const fs::path file = fs::temp_directory_path() / ("orvane-report-" + std::to_string(getpid()));
    std::FILE* f = std::fopen(file.c_str(), "wb");
    reg::testing::WriteGeneratedRegister(f, 200);
    std::fclose(f);
    reg::Book book;
    std::string error;
    ASSERT_TRUE(book.Load(file, error)) << error;
    fs::remove(file);
    book.SetCell(7, reg::Column::Description, std::string(300, 'x') + "\xC3\xA9");
    std::vector<std::string> problems;
    const reg::BookFigures figures =
        reg::FigureBook(book, 2025, {}, 0, reg::LoadVehicleLimits(ORVANE_LIMITS_DIR, problems));
    ASSERT_TRUE(figures.errors.empty());

    fakes::FakePrinter printer;
    const ReportParticulars who{std::string(200, 'T'), {2024, 6, 15}};
    const auto pages = RegisterReportPages(book, figures, who, printer);
    ASSERT_GT(pages.size(), 3u);
    const std::string of = " of " + std::to_string(pages.size());
    std::map<std::string, int> listed;  // "A<n>" ids as printed, and how often
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::map<std::string, int> header;
        for (const PrintItem& item : pages[p]) {
            SCOPED_TRACE("page " + std::to_string(p + 1) + ": " + item.text);
            EXPECT_GE(item.x, kMargin);
            EXPECT_GE(item.y, kMargin);
            EXPECT_LE(item.x + CharWidth(item.font.size) * Chars(item.text), kPageWidth - kMargin);
            EXPECT_LE(item.y + printer.LineHeight(item.font), kPageHeight - kMargin);
            ++header[item.text.starts_with("TTTTTTTTTT") ? "taxpayer" : item.text];
            if (item.text.size() > 1 && item.text[0] == 'A' && std::isdigit(item.text[1]))
                ++listed[item.text];
        }
        EXPECT_EQ(header["Depreciation Report"], 1);
        EXPECT_EQ(header["Page " + std::to_string(p + 1) + of], 1);
        EXPECT_EQ(header["Tax year 2025"], 1);
        EXPECT_EQ(header["Printed 06/15/2024"], 1);
        EXPECT_EQ(header["taxpayer"], 1);
    }
    EXPECT_EQ(listed.size(), 200u);
    for (const auto& [id, count] : listed)
        EXPECT_EQ(count, 1) << id;
}

}  // namespace
}  // namespace orvane::report
