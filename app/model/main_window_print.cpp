// The Print button of the main window: the page of the last schedule and the particulars as
// the fields stand, on a printer.

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
        // Without a method caption the page names the method, and the window keeps it.
        DeprState& state = depr_.state;
        if (state.method_caption.empty())
            state.method_caption = "Method: " + controls_[MainCtl::cboMethod].text;
        const std::vector<PrintItem> page =
            PrintGrid(ReadParticulars(controls_, state), TextsOf(depr_.schedule()),
                      services_.clock->Today(), *printer, trap);
        trap.Run([&] { printer->PrintPage(page); });
    });
}

}  // namespace orvane
