#pragma once
// Scriptable stand-ins for the platform services, for everything that runs the windows without
// a screen: orvane-cli, the tests, the benchmark and the fuzz target. Message boxes are answered
// from a queue and recorded, beeps counted, the day and the font measurements fixed, pages kept
// and the mouse pointer's changes recorded.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help_viewer.h"
#include "platform/printer.h"
#include "platform/services.h"

namespace orvane::fakes {

// Records every box shown and answers it: OK for a box with only that button; a question takes
// the next answer of the queue, or `fallback` once the queue is empty.
class ScriptedMessageBoxes final : public MessageBoxes {
  public:
    struct Shown {
        std::string text;
        std::string title;  // as given: empty means the application title
        MsgButtons buttons = MsgButtons::Ok;
        MsgAnswer answer = MsgAnswer::Ok;
        MsgIcon icon = MsgIcon::None;

        // The title the box showed.
        std::string_view ShownTitle() const { return title.empty() ? kAppTitle : title; }
    };

    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override;
    MsgAnswer ShowWithIcon(std::string_view text, std::string_view title, MsgButtons buttons,
                           MsgIcon icon) override;

    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;
    // How many boxes with only an OK button were shown (reports, not questions).
    int Reports() const;

    std::deque<MsgAnswer> answers;
    MsgAnswer fallback = MsgAnswer::Yes;
    std::vector<Shown> shown;
};

class CountingBeeper final : public Beeper {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class FixedClock final : public Clock {
  public:
    FixedClock() = default;
    explicit FixedClock(Date day) : today(day) {}
    Date Today() const override { return today; }
    Date today{2024, 6, 15};
};

// The window's 8-point sans-serif font as a fixed 90 twips a character, a 17-pixel scroll bar
// and 15 twips a pixel: close enough to size a drop-down list.
class FixedMetrics final : public TextMetrics {
  public:
    int TextWidthTwips(std::string_view text) const override;
    int ScrollBarWidthPixels() const override { return 17; }
    int TwipsPerPixel() const override { return 15; }
};

// Keeps the pages it is given, reports fixed line heights (25 twips a point: 200 at 8 point,
// 300 at 12) and fails when told to.
class FakePrinter final : public Printer {
  public:
    static constexpr double kTwipsPerPoint = 25;

    double DefaultFontSize() override { return default_size; }
    double LineHeight(const PrintFont& font) override;
    void PrintPage(const std::vector<PrintItem>& items) override;

    std::vector<std::vector<PrintItem>> pages;
    double default_size = 10;
    int fail_page_with = 0;         // a fault number PrintPage raises; 0: it prints
    int fail_line_height_with = 0;  // a fault number LineHeight raises; 0: it answers
    int line_height_asks = 0;
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

// All of them together, handed to a window as its services.
struct Platform {
    ScriptedMessageBoxes boxes;
    CountingBeeper beeper;
    FixedClock clock;
    FixedMetrics metrics;
    FakePrinter printer;
    RecordingPointer pointer;

    Services services() { return {&boxes, &beeper, &clock, &metrics, &printer, &pointer}; }
};

}  // namespace orvane::fakes
