#pragma once
// The few platform pieces that the windows and the engine reach: message boxes, the system
// beep, the calendar, font metrics, the mouse pointer and the printer (platform/printer.h). The
// Qt program, the command-line tool and the tests each answer them.

#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view kAppTitle = "Orvane Asset Depreciation";

// SaveDiscardCancel answers Yes for Save and No for Discard.
enum class MsgButtons { Ok, YesNoCancel, SaveDiscardCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };
enum class MsgIcon { None, Information };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button that closed it. An empty title means the
    // application title.
    virtual MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) = 0;
    // The same box with an icon; boxes that draw no icons show it without one.
    virtual MsgAnswer ShowWithIcon(std::string_view text, std::string_view title,
                                   MsgButtons buttons, MsgIcon /*icon*/) {
        return Show(text, title, buttons);
    }
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// A calendar date; the program only ever needs the day it takes as today.
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

// Font measurements of the window, for widening a drop-down list to its longest entry.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual int TextWidthTwips(std::string_view text) const = 0;
    virtual int ScrollBarWidthPixels() const = 0;
    virtual int TwipsPerPixel() const = 0;
};

class Printer;
class Spreadsheet;
class FileDialog;

// The mouse pointer over the program's windows: the hourglass while a command works.
class MousePointer {
  public:
    virtual ~MousePointer() = default;
    virtual void SetHourglass(bool on) = 0;
};

// The services a window needs, handed in by whoever creates it.
struct Services {
    MessageBoxes* messages = nullptr;
    Beeper* beeper = nullptr;
    const Clock* clock = nullptr;
    const TextMetrics* metrics = nullptr;
    Printer* printer = nullptr;          // the default printer
    MousePointer* pointer = nullptr;     // none: the pointer stays as it is
    Spreadsheet* spreadsheet = nullptr;  // the export's spreadsheet application
    FileDialog* file_dialog = nullptr;   // the export's save dialog
};

}  // namespace orvane
