#include "base/error_trap.h"

namespace orvane {

void ErrorTrap::Report(const Fault& f) {
    if (described_) {
        boxes_.Show(f.description(), "", MsgButtons::Ok);
    } else if (numbered_) {
        boxes_.Show(NumberedPrompt(f, title_), "", MsgButtons::Ok);
    } else {
        boxes_.Show(ErrPrompt(f), title_, MsgButtons::Ok);
    }
}

}  // namespace orvane
