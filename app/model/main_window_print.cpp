// The Print button of the main window: the schedule's page, laid out by the engine, on a
// printer.

#include "app/model/main_window_model.h"
#include "app/model/print_page.h"
#include "platform/printer.h"

namespace orvane {
namespace {

// The hourglass from here to the end of the scope, however it ends.
class Hourglass {
  public:
    explicit Hourglass(MousePointer* pointer) : pointer_(pointer) {
        if (pointer_ != nullptr) pointer_->SetHourglass(true);
    }
    ~Hourglass() {
        if (pointer_ != nullptr) pointer_->SetHourglass(false);
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

  private:
    MousePointer* pointer_;
};

}  // namespace

void MainWindowModel::cmdPrint_Click() {
    PrintOn(services_.printer);
}

void MainWindowModel::PrintOn(Printer* printer) {
    ErrorTrap(*services_.messages, "Printer Error").Run([&] {
        Hourglass busy(services_.pointer);
        if (printer == nullptr) Raise(fault::kNoPrinter);
        ErrorTrap trap(*services_.messages, "Print Grid Error");
        const std::vector<PrintItem> page =
            PrintGrid(controls_, depr_.state, services_.clock->Today(), *printer, trap);
        trap.Run([&] { printer->PrintPage(page); });
    });
}

}  // namespace orvane
