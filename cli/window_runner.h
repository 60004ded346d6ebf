#pragma once
// Carries out the scripted window's actions on one window, as a person would. An action that a
// person could not carry out at that moment changes nothing and leaves a note among the
// messages.

#include <string>
#include <string_view>

#include "app/model/main_window_model.h"
#include "cli/window_session.h"

namespace orvane::cli {

// The text box or list named by FIELD=TEXT, or None.
MainCtl PasteField(const std::string& value);

class WindowRunner {
  public:
    WindowRunner(MainWindowModel& model, WindowSession& session)
        : m_(model), session_(session), services_(session.WindowServices()) {}

    // The option about to run (its name without "--"), for the notes.
    void Start(std::string_view option, const std::string& value) {
        option_ = option;
        value_ = &value;
    }

    // Only an action that could not be carried out is ignored: one that faulted on the way has
    // shown its box and done what it did, and the script goes on from there as a person would.
    void Click(MainCtl id);
    // Chooses the entry whose text is `text`; the class list is opened first.
    void Choose(MainCtl list, const std::string& text);
    // Typing in the life box goes on from its caret (after a choice from the list: the end of
    // the chosen text), as a person's typing there would.
    void TypeLife(const std::string& text);
    // Types over the whole text of a field, with the focus there already or not.
    void Retype(MainCtl id, const std::string& text);
    // Retypes a field and leaves it with Tab.
    void RetypeAndLeave(MainCtl id, const std::string& text);
    void Paste(const std::string& field_and_text);
    // Presses Print with the page going to the default printer, or into the PDF file `pdf`.
    void Print(const std::string& pdf);
    // Presses Export and answers the save dialog with `file`; an empty one is Cancel.
    void Export(const std::string& file);

  private:
    void Ignore(std::string_view why);
    bool Focus(MainCtl id);
    // Selects the whole text and types the new one over it; an empty text erases the field
    // (Delete on the selection).
    void TypeOver(MainCtl id, const std::string& text);

    MainWindowModel& m_;
    WindowSession& session_;
    Services services_;
    std::string_view option_;
    const std::string* value_ = nullptr;
};

}  // namespace orvane::cli
