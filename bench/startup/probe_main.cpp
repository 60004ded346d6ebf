// A start-up probe: starts like orvane and prints the monotonic clock, in nanoseconds, when the
// window first paints, then quits. Built twice: with the main window, and with a bare window of
// the same size, showing one line of text, for comparison.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "app/qt/program.h"

namespace {

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

class FirstPaint final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("%lld\n", MonotonicNs());
            std::fflush(stdout);
            QTimer::singleShot(0, this, [] { QApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::qt::UseProgramStyle();
    FirstPaint probe;
#ifdef ORVANE_PROBE_MAIN_WINDOW
    orvane::qt::Program program;
    QWidget& window = program.window();
#else
    QWidget window;
    window.setWindowTitle(QStringLiteral("Orvane Asset Depreciation"));
    window.setFixedSize(560, 551);
    // One line of text, sized before the window shows as the main window's are: both sides pay
    // for the font database.
    QLabel line(QStringLiteral("Orvane Asset Depreciation"), &window);
    line.move(12, 12);
    line.adjustSize();
#endif
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
