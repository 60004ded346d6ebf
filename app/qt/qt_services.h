#pragma once
// Qt answers to the platform services: modal message boxes, the system beep, the calendar, the
// measurements of the window's font, the default printer and the busy cursor.

#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "app/model/main_window_controls.h"
#include "app/qt/qt_file_dialog.h"
#include "app/qt/qt_printer.h"
#include "export/calc_spreadsheet.h"
#include "platform/local_clock.h"
#include "platform/services.h"

namespace orvane::qt {

// The design's unit, the twip (1/1440 inch), in pixels.
class Twips {
  public:
    explicit Twips(double pixels_per_inch = ScreenDpi()) : ppi_(pixels_per_inch) {}
    static double ScreenDpi();
    double pixels_per_inch() const { return ppi_; }
    int ToPixels(int twips) const;
    double PerPixel() const { return 1440.0 / ppi_; }

  private:
    double ppi_;
};

// The program's texts (UTF-8) for Qt.
QString ToQString(std::string_view text);

// Sets a colour role of a widget's palette where it differs; `all_groups` paints the disabled
// look too.
void SetRole(QWidget* w, QPalette::ColorRole role, Rgb rgb, bool all_groups);

// The window's font (sans-serif 8.25 pt) and the smaller serif of the convention choices.
QFont WindowFont();
QFont ConventionFont();

// The twips of the window's layout: the screen's resolution, enlarged evenly where the fonts
// need more room than the design gives a caption, a field or a grid header, so that nothing is
// clipped and every control keeps its place and proportion among the others.
Twips LayoutTwips();

// Modal boxes with the application's title, or the one given, over the window.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    MsgAnswer Show(std::string_view text, std::string_view title, MsgButtons buttons) override;
    MsgAnswer ShowWithIcon(std::string_view text, std::string_view title, MsgButtons buttons,
                           MsgIcon icon) override;

  private:
    QPointer<QWidget> parent_;
};

class QtBeeper final : public Beeper {
  public:
    void Beep() override;
};

// The hourglass as Qt's busy cursor over every window of the program.
class QtMousePointer final : public MousePointer {
  public:
    void SetHourglass(bool on) override;
};

class QtTextMetrics final : public TextMetrics {
  public:
    explicit QtTextMetrics(QFont font = WindowFont(), Twips twips = LayoutTwips());
    int TextWidthTwips(std::string_view text) const override;
    int ScrollBarWidthPixels() const override;
    int TwipsPerPixel() const override;

  private:
    QFont font_;
    Twips twips_;
};

// The services of the running program, all answered by Qt.
class QtServices {
  public:
    explicit QtServices(Twips layout = LayoutTwips()) : metrics(WindowFont(), layout) {}

    QtMessageBoxes messages;
    QtBeeper beeper;
    LocalClock clock;
    QtTextMetrics metrics;
    std::unique_ptr<QtPrinter> printer = QtPrinter::DefaultPrinter();
    QtMousePointer pointer;
    QtFileDialog file_dialog;
    CalcSpreadsheet spreadsheet;

    Services services() {
        return {&messages,     &beeper,  &clock,       &metrics,
                printer.get(), &pointer, &spreadsheet, &file_dialog};
    }
};

}  // namespace orvane::qt
