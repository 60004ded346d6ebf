#include "cli/window_runner.h"

#include <optional>

#include "cli/command.h"
#include "controls/edit_buffer.h"
#include "export/mod_excel.h"

namespace orvane::cli {
namespace {

int FindItem(const Control& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

MainCtl PasteField(const std::string& value) {
    auto eq = value.find('=');
    return eq == std::string::npos ? MainCtl::None : FindControl(value.substr(0, eq));
}

void WindowRunner::Click(MainCtl id) {
    if (m_.Click(id) == Outcome::NotPossible) Ignore(std::string(Design(id).name) + " is disabled");
}

void WindowRunner::Choose(MainCtl list, const std::string& text) {
    if (!m_.controls().Usable(list)) return Ignore(std::string(Design(list).name) + " is disabled");
    int index = FindItem(m_.controls()[list], text);
    if (index < 0) return Ignore("not in the list of " + std::string(Design(list).name));
    if (list == MainCtl::cboClass) m_.OpenList(list);
    m_.ChooseItem(list, index);
}

void WindowRunner::TypeLife(const std::string& text) {
    if (Focus(MainCtl::cboLife)) m_.TypeText(text);
}

void WindowRunner::Retype(MainCtl id, const std::string& text) {
    if (Focus(id)) TypeOver(id, text);
}

void WindowRunner::RetypeAndLeave(MainCtl id, const std::string& text) {
    if (!Focus(id)) return;
    TypeOver(id, text);
    if (m_.controls().focus() == id) m_.Tab();
}

void WindowRunner::Paste(const std::string& field_and_text) {
    MainCtl id = PasteField(field_and_text);
    if (Focus(id)) m_.Paste(std::string_view(field_and_text).substr(field_and_text.find('=') + 1));
}

void WindowRunner::Print(const std::string& pdf) {
    if (!m_.controls().Usable(MainCtl::cmdPrint)) return Ignore("cmdPrint is disabled");
    if (pdf.empty()) {
        session_.printer.UseDefaultPrinter();
    } else {
        session_.printer.UsePdfFile(pdf);
    }
    m_.Click(MainCtl::cmdPrint);
}

void WindowRunner::Export(const std::string& file) {
    if (!m_.controls().Usable(MainCtl::cmdExport)) return Ignore("cmdExport is disabled");
    session_.dialog.answer = file.empty() ? std::nullopt : std::optional(file);
    cmdExport_Click(m_.controls(), m_.depr(), services_);
}

void WindowRunner::Ignore(std::string_view why) {
    std::string text = "ignored: --" + std::string(option_);
    if (!value_->empty()) text += " " + *value_;
    text += " (" + std::string(why) + ")";
    session_.platform.boxes.shown.push_back({text, std::string(kNoteTitle)});
}

bool WindowRunner::Focus(MainCtl id) {
    if (m_.Focus(id) != Outcome::NotPossible) return true;
    Ignore(std::string(Design(id).name) + " is disabled");
    return false;
}

void WindowRunner::TypeOver(MainCtl id, const std::string& text) {
    m_.Select(id, 0, utf8::Count(m_.controls()[id].text));
    if (!text.empty()) {
        m_.TypeText(text);
        return;
    }
    m_.KeyDown(key::kDelete);
    m_.KeyUp(key::kDelete);
}

}  // namespace orvane::cli
