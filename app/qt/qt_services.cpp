#include "app/qt/qt_services.h"

#include <QApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "app/model/grid.h"
#include "app/model/main_window_controls.h"

namespace orvane::qt {

double Twips::ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

int Twips::ToPixels(int twips) const {
    return static_cast<int>(std::lround(twips * ppi_ / 1440.0));
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetRole(QWidget* w, QPalette::ColorRole role, Rgb rgb, bool all_groups) {
    const QColor colour(rgb.r, rgb.g, rgb.b);
    QPalette p = w->palette();
    bool changed = false;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (group == QPalette::Disabled && !all_groups) continue;
        if (p.color(group, role) != colour) {
            p.setColor(group, role, colour);
            changed = true;
        }
    }
    if (changed) w->setPalette(p);
}

QFont WindowFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    return f;
}

QFont ConventionFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                   QStringLiteral("DejaVu Serif")});
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(6.75);
    return f;
}

Twips LayoutTwips() {
    const double dpi = Twips::ScreenDpi();
    const QStyle* style = QApplication::style();
    const QFontMetricsF sans(WindowFont());
    const QFontMetricsF serif(ConventionFont());
    const double mark = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                        style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    // A grid cell's text keeps a margin on each side, and the cell gives a pixel to its line.
    const double cell_margin = 2.0 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 1;
    double scale = 1.0;
    auto fit = [&](double pixels, int twips) {
        if (twips > 0) scale = std::max(scale, pixels * 1440.0 / (twips * dpi));
    };
    for (int i = 0; i < kControlCount; ++i) {
        const MainControlDesign& d = Design(static_cast<MainCtl>(i));
        QString caption = QString::fromUtf8(d.caption.data(), std::ssize(d.caption));
        const QFontMetricsF& fm = d.parent == MainCtl::fraConvention ? serif : sans;
        switch (d.kind) {
            case Kind::Label:
                fit(fm.horizontalAdvance(caption) + 1, d.width);
                fit(fm.height(), d.height);
                break;
            case Kind::CheckBox:
            case Kind::Option:
                fit(mark + fm.horizontalAdvance(caption) + 2, d.width);
                break;
            case Kind::Button:
                fit(fm.horizontalAdvance(caption.remove(QLatin1Char('&'))) + 8, d.width);
                break;
            case Kind::Frame:
                fit(fm.horizontalAdvance(
                        caption.replace(QStringLiteral("&&"), QStringLiteral("&"))) +
                        16,
                    d.width);
                break;
            case Kind::TextBox:
            case Kind::MaskBox:
            case Kind::ComboList:
            case Kind::ComboEdit:
                fit(fm.height() + 6, d.height);
                break;
            default:
                break;
        }
    }
    // The grid's header texts in their columns.
    MainWindowControls form;
    SetGridHeaders(form.grid);
    for (int col = 1; col < ScheduleGrid::kCols; ++col) {
        const std::string& header = form.grid.Text(0, col);
        fit(sans.horizontalAdvance(QString::fromStdString(header)) + cell_margin,
            form.grid.ColWidth(col));
    }
    scale = std::clamp(std::ceil(scale * 20.0) / 20.0, 1.0, 1.6);
    return Twips(dpi * scale);
}

MsgAnswer QtMessageBoxes::Show(std::string_view text, std::string_view title, MsgButtons buttons) {
    return ShowWithIcon(text, title, buttons, MsgIcon::None);
}

MsgAnswer QtMessageBoxes::ShowWithIcon(std::string_view text, std::string_view title,
                                       MsgButtons buttons, MsgIcon icon) {
    // Over the modal window that asks (the limit editor), or else over the main window.
    QWidget* owner = QApplication::activeModalWidget();
    QMessageBox box(owner != nullptr ? owner : parent_.data());
    box.setWindowTitle(QString::fromUtf8(title.empty() ? kAppTitle : title));
    box.setText(QString::fromUtf8(text));
    box.setTextFormat(Qt::PlainText);
    if (icon == MsgIcon::Information) box.setIcon(QMessageBox::Information);
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == MsgButtons::SaveDiscardCancel) {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
        case QMessageBox::Save:
            return MsgAnswer::Yes;
        case QMessageBox::No:
        case QMessageBox::Discard:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

void QtMousePointer::SetHourglass(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtBeeper::Beep() {
    QApplication::beep();
}

QtTextMetrics::QtTextMetrics(QFont font, Twips twips) : font_(std::move(font)), twips_(twips) {}

int QtTextMetrics::TextWidthTwips(std::string_view text) const {
    QFontMetricsF fm(font_);
    double px = fm.horizontalAdvance(QString::fromUtf8(text.data(), std::ssize(text)));
    return static_cast<int>(std::lround(px * twips_.PerPixel()));
}

int QtTextMetrics::ScrollBarWidthPixels() const {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int QtTextMetrics::TwipsPerPixel() const {
    return std::max(1, static_cast<int>(std::lround(twips_.PerPixel())));
}

}  // namespace orvane::qt
