#include "platform/fakes.h"

#include "base/fault.h"

namespace orvane::fakes {

MsgAnswer ScriptedMessageBoxes::Show(std::string_view text, std::string_view title,
                                     MsgButtons buttons) {
    return ShowWithIcon(text, title, buttons, MsgIcon::None);
}

MsgAnswer ScriptedMessageBoxes::ShowWithIcon(std::string_view text, std::string_view title,
                                             MsgButtons buttons, MsgIcon icon) {
    MsgAnswer answer = MsgAnswer::Ok;
    if (buttons != MsgButtons::Ok) {
        if (answers.empty()) {
            answer = fallback;
        } else {
            answer = answers.front();
            answers.pop_front();
        }
    }
    shown.push_back({std::string(text), std::string(title), buttons, answer, icon});
    return answer;
}

std::vector<std::string> ScriptedMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(shown.size());
    for (const Shown& s : shown)
        texts.push_back(s.text);
    return texts;
}

int ScriptedMessageBoxes::Reports() const {
    int n = 0;
    for (const Shown& s : shown)
        n += s.buttons == MsgButtons::Ok ? 1 : 0;
    return n;
}

int FixedMetrics::TextWidthTwips(std::string_view text) const {
    return static_cast<int>(text.size()) * 90;
}

double FakePrinter::LineHeight(const PrintFont& font) {
    ++line_height_asks;
    if (fail_line_height_with != 0) Raise(fail_line_height_with);
    return font.size * kTwipsPerPoint;
}

void FakePrinter::PrintPage(const std::vector<PrintItem>& items) {
    if (while_printing) while_printing();
    if (fail_page_with != 0) Raise(fail_page_with);
    pages.push_back(items);
}

}  // namespace orvane::fakes
