#include "app/qt/frame_box.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>
#include <utility>

namespace orvane::qt {

FrameBox::FrameBox(QString title, QWidget* parent) : QWidget(parent), title_(std::move(title)) {}

void FrameBox::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    update();
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    // An etched line: dark, with a light one inside it.
    const int line = title_.isEmpty() ? 0 : fm.height() / 2;
    qDrawShadeRect(&p, rect().adjusted(0, line, 0, 0), palette(), true, 1, 0);
    if (title_.isEmpty()) return;
    QString shown = title_;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QRect caption(6, 0, fm.horizontalAdvance(shown) + 4, fm.height());
    p.fillRect(caption, palette().brush(QPalette::Window));
    style()->drawItemText(&p, caption.adjusted(2, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title_, QPalette::WindowText);
}

}  // namespace orvane::qt
