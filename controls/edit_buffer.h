#pragma once
// The text of an entry box and its selection, edited as a person's keys and pastes edit them.
// Both windows edit their boxes through these. Texts are UTF-8; every position and length
// counts characters, never bytes, so that no edit splits a character.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/utf8.h"
#include "controls/controls.h"

namespace orvane {

// Edits the text and selection of a box (`Control::text`, `sel_start`, `sel_length`), keeping
// the selection within the text. A length limit holds for what is typed or pasted.
class EditBuffer {
  public:
    // `max_length` characters at most; 0 for no limit.
    explicit EditBuffer(Control& box, int max_length = 0) : box_(box), max_length_(max_length) {}

    int Length() const { return utf8::Count(box_.text); }

    // The mouse or the focus selects: clamped to the text.
    void Select(int start, int length);
    void SelectAll() { Select(0, Length()); }

    // Replaces the selection with `text`, cut at a character to the room the length limit
    // leaves; the caret goes after it. False, changing nothing, when there is no room at all.
    bool Insert(std::string_view text);
    // One typed character. False when the box refuses it: a control character, no character at
    // all, or no room.
    bool Type(char32_t ch);
    // Backspace and Delete: the selection, or the character before (after) the caret.
    void Backspace();
    void Delete();

    // The caret keys; each drops the selection.
    void Left();
    void Right();
    void Home();
    void End();

  protected:
    Control& box_;

    // Clamps the selection to the text; returns the text's length in characters.
    int Clamp();

  private:
    void Erase(int start, int length);
    int max_length_;
};

// The masked month box: "##/####" with "_" in an empty place. Digits go into the six places
// and the "/" stays where it is; the text keeps its seven characters.
class MaskedMonthBuffer : public EditBuffer {
  public:
    explicit MaskedMonthBuffer(Control& box);

    // A digit fills the place at the caret (after blanking the selection) and the caret moves
    // on, over the "/"; a "/" at the "/" steps over it; anything else is refused.
    bool Type(char32_t ch);
    // Blanks the selection, or the place before the caret, to which the caret moves.
    void Backspace();
    // Blanks the selection, or the place at the caret.
    void Delete();

  private:
    static bool IsPlace(int pos) { return pos >= 0 && pos < 7 && pos != 2; }
    void Blank(int start, int end);
};

}  // namespace orvane
