#pragma once
// Test doubles of the platform services, for the tests, the benchmark and the fuzz target: a
// printer that keeps its pages and fails when told to, a mouse pointer that records its
// changes, a help viewer that records what it was asked, and all of them together with the
// scripted answers (platform/scripted.h) as one window's platform.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help_viewer.h"
#include "platform/printer.h"
#include "platform/scripted.h"
#include "platform/services.h"

namespace orvane::fakes {

using orvane::CountingBeeper;
using orvane::FixedClock;
using orvane::FixedMetrics;
using orvane::ScriptedMessageBoxes;

// Keeps the pages it is given, reports fixed line heights (25 twips a point: 200 at 8 point,
// 300 at 12) and fails when told to.
class FakePrinter final : public Printer {
  public:
    static constexpr double kTwipsPerPoint = 25;

    double DefaultFontSize() override { return default_size; }
    double LineHeight(const PrintFont& font) override;
    void PrintPage(const std::vector<PrintItem>& items) override;
    void PrintPages(const std::vector<std::vector<PrintItem>>& pages) override;

    std::vector<std::vector<PrintItem>> pages;
    double default_size = 10;
    int fail_page_with = 0;                // a fault number PrintPage raises; 0: it prints
    int fail_line_height_with = 0;         // a fault number LineHeight raises; 0: it answers
    std::function<void()> while_printing;  // runs inside PrintPage, before it fails or keeps
};

class RecordingPointer final : public MousePointer {
  public:
    void SetHourglass(bool on) override { hourglass.push_back(on); }
    std::vector<bool> hourglass;  // every change of the pointer
};

// Records what the help viewer was asked to show. `on_call` runs first on every call, so that a
// test can make the viewer fail (throw) or look at the program's state at that moment.
class FakeHelpViewer final : public HelpViewer {
  public:
    enum class View { Contents, Index, Page };
    struct Call {
        View view;
        std::string help_file;
        std::string argument;  // the keyword or the page
        friend bool operator==(const Call&, const Call&) = default;
    };

    void ShowContents(std::string_view help_file) override {
        Record(View::Contents, help_file, {});
    }
    void ShowIndex(std::string_view help_file, std::string_view keyword) override {
        Record(View::Index, help_file, keyword);
    }
    void ShowPage(std::string_view help_file, std::string_view page) override {
        Record(View::Page, help_file, page);
    }

    std::vector<Call> calls;
    std::function<void()> on_call;

  private:
    void Record(View view, std::string_view file, std::string_view argument) {
        if (on_call) on_call();
        calls.push_back({view, std::string(file), std::string(argument)});
    }
};

// The scripted answers with the fake printer and the recording pointer, handed to a window as
// its services.
struct Platform : ScriptedPlatform {
    FakePrinter printer;
    RecordingPointer pointer;

    Services services() {
        Services s = ScriptedPlatform::services();
        s.printer = &printer;
        s.pointer = &pointer;
        return s;
    }
};

}  // namespace orvane::fakes
