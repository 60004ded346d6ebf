#pragma once
// The platform services answered by a script instead of a person at a screen: orvane-cli runs
// the windows on them, and the tests build on them. Message boxes are recorded and answered (OK
// for a report; a question takes the next of the answers given in advance, or the chosen
// answer), beeps are counted, the day taken as today is set, the window's font is measured at a
// fixed width a character, and the save dialog is answered with a chosen file.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "platform/spreadsheet.h"

namespace orvane {

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

// Answers the save and open dialogs with `answer`; none is Cancel.
class ScriptedFileDialog : public FileDialog {
  public:
    std::string ShowSave(const FileDialogSettings& settings) override;
    std::string ShowOpen(const FileDialogSettings& settings) override;
    std::optional<std::string> answer;
};

// The answers to a question by name, as a script gives them.
inline constexpr std::string_view kAnswerNames[] = {"yes", "no", "cancel"};
// The answer named `name`: "no", "cancel", or Yes for any other.
MsgAnswer AnswerNamed(std::string_view name);
// "ok", "yes", "no" or "cancel".
std::string_view NameOf(MsgAnswer answer);

// The boxes, the beep, the clock and the font together, handed to a window as its services;
// whoever runs the window adds a printer, a spreadsheet application and a save dialog.
struct ScriptedPlatform {
    ScriptedMessageBoxes boxes;
    CountingBeeper beeper;
    FixedClock clock;
    FixedMetrics metrics;

    Services services() { return {&boxes, &beeper, &clock, &metrics}; }
};

}  // namespace orvane
