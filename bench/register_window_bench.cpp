// orvane-register-window-bench [N]: the register window on a register of N generated assets
// (100,000 unless told): the time from opening the file to the table's first paint, then a
// sort by cost each way, a sort by id, a filter, an edited cell (with the year's figures made
// again) and a jump to the last row, each until painted. Run it off screen.

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/qt/qt_printer.h"
#include "app/qt/register_window_view.h"
#include "platform/scripted.h"
#include "tests/register/generated_register.h"

namespace {

using orvane::qt::RegisterWindowView;

// Milliseconds from `action` until the table has painted again.
double UntilPainted(QTableView* table, const std::function<void()>& action) {
    QElapsedTimer t;
    t.start();
    action();
    table->viewport()->repaint();
    QCoreApplication::processEvents();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Milliseconds until the year's figures made aside are in.
double UntilFigured(RegisterWindowView& w) {
    QElapsedTimer t;
    t.start();
    while (w.model().controls().figuring)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

int Field(RegisterWindowView& w, orvane::reg::Column c) {
    return w.model().book().header().field_of_column[static_cast<std::size_t>(c)];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const long long n = argc > 1 ? std::atoll(argv[1]) : 100000;
    const auto file = std::filesystem::temp_directory_path() / "orvane-register-window-bench.csv";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return 1;
    orvane::reg::testing::WriteGeneratedRegister(out, n);
    std::fclose(out);

    std::vector<std::string> problems;
    const auto limits = orvane::reg::LoadVehicleLimits(ORVANE_LIMITS_DIR, problems);
    orvane::ScriptedMessageBoxes boxes;
    QElapsedTimer t;
    t.start();
    {
        orvane::reg::Book book;
        std::string error;
        book.Load(file, error);
        const double load = static_cast<double>(t.nsecsElapsed()) / 1e6;
        orvane::reg::FigureBook(book, 2025, {}, 0, limits);
        std::printf("book: load %.0f ms, figures %.0f ms\n", load,
                    static_cast<double>(t.nsecsElapsed()) / 1e6 - load);
    }
    t.start();
    orvane::ScriptedFileDialog files;
    orvane::FixedClock clock;
    const auto printer = orvane::qt::QtPrinter::PdfFile("/dev/null");
    orvane::Services services;
    services.messages = &boxes;
    services.printer = printer.get();
    services.file_dialog = &files;
    services.clock = &clock;
    RegisterWindowView w(services, limits, 2025);
    w.OpenFile(QString::fromStdString(file.string()));
    const double opened = static_cast<double>(t.nsecsElapsed()) / 1e6;
    w.show();
    w.table()->viewport()->repaint();
    QCoreApplication::processEvents();
    const double painted = static_cast<double>(t.nsecsElapsed()) / 1e6;
    std::printf("%lld assets: opened (read and figured) %.0f ms, first paint %.0f ms\n", n, opened,
                painted);
    std::printf("the year's figures in after another %.0f ms\n", UntilFigured(w));
    QTableView* table = w.table();
    const int cost = Field(w, orvane::reg::Column::Cost);
    const int id = Field(w, orvane::reg::Column::Id);
    std::printf("sort by cost, ascending: %.0f ms\n",
                UntilPainted(table, [&] { table->sortByColumn(cost, Qt::AscendingOrder); }));
    std::printf("sort by cost, descending: %.0f ms\n",
                UntilPainted(table, [&] { table->sortByColumn(cost, Qt::DescendingOrder); }));
    std::printf("sort by id: %.0f ms\n",
                UntilPainted(table, [&] { table->sortByColumn(id, Qt::AscendingOrder); }));
    std::printf("scroll to the last row: %.0f ms\n", UntilPainted(table, [&] {
                    table->verticalScrollBar()->setValue(table->verticalScrollBar()->maximum());
                }));
    std::printf("edit a cost: %.0f ms\n", UntilPainted(table, [&] {
                    w.rows()->setData(w.rows()->index(0, cost), QStringLiteral("$12,345"),
                                      Qt::EditRole);
                }));
    std::printf("its figures in after another %.0f ms\n", UntilFigured(w));
    std::printf("filter \"truck\": %.0f ms\n", UntilPainted(table, [&] {
                    w.rows()->Reshape([&] { w.model().SetFilter("truck"); });
                }));
    std::filesystem::remove(file);
    return 0;
}
