#include "platform/scripted.h"

namespace orvane {

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

MsgAnswer AnswerNamed(std::string_view name) {
    return name == "no" ? MsgAnswer::No : name == "cancel" ? MsgAnswer::Cancel : MsgAnswer::Yes;
}

std::string_view NameOf(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Ok:
            return "ok";
        case MsgAnswer::Yes:
            return "yes";
        case MsgAnswer::No:
            return "no";
        case MsgAnswer::Cancel:
            return "cancel";
    }
    return "";
}

std::string ScriptedFileDialog::ShowSave(const FileDialogSettings&) {
    if (!answer) throw Fault(kCancelError, "Cancel was selected.");
    return *answer;
}

std::string ScriptedFileDialog::ShowOpen(const FileDialogSettings& settings) {
    return ShowSave(settings);
}

}  // namespace orvane
