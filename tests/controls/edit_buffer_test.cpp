// Editing a box's text in characters: pastes and typing at the length limit, the selection, the
// caret keys, and the masked month.

#include "controls/edit_buffer.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

Control Box(std::string text, int sel_start = 0, int sel_length = 0) {
    Control c;
    c.text = std::move(text);
    c.sel_start = sel_start;
    c.sel_length = sel_length;
    return c;
}

// Every byte sequence of the text decodes without a replacement character.
bool WellFormed(const std::string& text) {
    return utf8::Decode(text).find(U'\uFFFD') == std::u32string::npos;
}

struct PasteCase {
    const char* name;
    const char* before;
    int sel_start, sel_length;
    const char* pasted;
    int limit;
    const char* after;
    int caret;
};
void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.name;
}

class PasteTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, KeepsWholeCharactersWithinTheLimit) {
    const PasteCase& p = GetParam();
    Control c = Box(p.before, p.sel_start, p.sel_length);
    EditBuffer(c, p.limit).Insert(p.pasted);
    EXPECT_EQ(c.text, p.after);
    EXPECT_EQ(c.sel_start, p.caret);
    EXPECT_EQ(c.sel_length, 0);
    EXPECT_TRUE(WellFormed(c.text));
    if (p.limit > 0) {
        EXPECT_LE(utf8::Count(c.text), p.limit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteTest,
    ::testing::Values(
        // Two characters of two bytes fit where four bytes would not.
        PasteCase{"TwoByteCharactersCountOnce", "12345678", 8, 0, "\xC3\xA9\xC3\xA9\xE2\x82\xAC",
                  10, "12345678\xC3\xA9\xC3\xA9", 10},
        PasteCase{"CutBeforeAThreeByteCharacter", "123456789", 9, 0,
                  "\xE2\x82\xAC"
                  "5",
                  10, "123456789\xE2\x82\xAC", 10},
        PasteCase{"FullBoxRefuses", "1234567890", 10, 0, "\xC3\xA9", 10, "1234567890", 10},
        // The selection makes room: it is replaced.
        PasteCase{"SelectionMakesRoom",
                  "12\xC3\xA9"
                  "4567890",
                  2, 2, "ab", 10, "12ab567890", 4},
        PasteCase{"InsertsAfterAWideCharacter",
                  "\xE2\x82\xAC"
                  "x",
                  1, 0, "\xC3\xA9", 0, "\xE2\x82\xAC\xC3\xA9x", 2},
        PasteCase{"CaretBeyondTheTextIsClamped", "ab", 9, 4, "c", 0, "abc", 3}),
    [](const auto& info) { return info.param.name; });

TEST(EditBufferTest, TypingReplacesTheSelectionInCharacters) {
    Control c = Box("h\xC3\xA9llo", 1, 3);  // "éll" selected
    EditBuffer edit(c, 100);
    ASSERT_TRUE(edit.Type(U'\u00E4'));
    EXPECT_EQ(c.text, "h\xC3\xA4o");
    EXPECT_EQ(c.sel_start, 2);
    edit.Backspace();
    EXPECT_EQ(c.text, "ho");
    edit.Home();
    edit.Delete();
    EXPECT_EQ(c.text, "o");
    // Control characters and non-characters are refused.
    EXPECT_FALSE(edit.Type(U'\t'));
    EXPECT_FALSE(edit.Type(static_cast<char32_t>(0xD800)));
    EXPECT_FALSE(edit.Type(static_cast<char32_t>(0x110000)));
    EXPECT_EQ(c.text, "o");
}

TEST(EditBufferTest, CaretKeysMoveByCharacters) {
    Control c = Box("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 0, 0);  // three euro signs
    EditBuffer edit(c);
    edit.End();
    EXPECT_EQ(c.sel_start, 3);
    edit.Left();
    edit.Backspace();
    EXPECT_EQ(c.text, "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(c.sel_start, 1);
    edit.Select(0, 1);
    edit.Right();  // from the end of the selection
    EXPECT_EQ(c.sel_start, 2);
    edit.Select(1, 99);
    EXPECT_EQ(c.sel_length, 1);
}

TEST(Utf8Test, BrokenSequencesReadAsReplacementCharacters) {
    EXPECT_EQ(utf8::Decode("a\xC3"), std::u32string(U"a\uFFFD"));
    EXPECT_EQ(utf8::Decode("\xE2\x82"
                           "b"),
              std::u32string(U"\uFFFD"
                             "b"));
    EXPECT_EQ(utf8::Decode("\xC0\xAF"), std::u32string(U"\uFFFD"));      // overlong "/"
    EXPECT_EQ(utf8::Decode("\xED\xA0\x80"), std::u32string(U"\uFFFD"));  // a surrogate
    EXPECT_EQ(utf8::Decode("\xF0\x9F\x98\x80"), std::u32string(U"\U0001F600"));
    EXPECT_EQ(utf8::Encode(U'\U0001F600'), "\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8::Count("\xF0\x9F\x98\x80"
                          "a\xC3\xA9"),
              3);
}

// ------------------------------------------------------------------ the masked month

struct MonthCase {
    const char* name;
    const char* before;
    int sel_start, sel_length;
    const char* keys;  // digits and "/"; "<" is Backspace, "#" is Delete
    const char* after;
    int caret;
};
void PrintTo(const MonthCase& c, std::ostream* os) {
    *os << c.name;
}

class MonthTest : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthTest, DigitsFillThePlacesAndTheSlashStays) {
    const MonthCase& m = GetParam();
    Control c = Box(m.before, m.sel_start, m.sel_length);
    MaskedMonthBuffer month(c);
    for (const char* k = m.keys; *k; ++k) {
        if (*k == '<') {
            month.Backspace();
        } else if (*k == '#') {
            month.Delete();
        } else {
            month.Type(static_cast<char32_t>(*k));
        }
    }
    EXPECT_EQ(c.text, m.after);
    EXPECT_EQ(c.sel_start, m.caret);
    EXPECT_EQ(c.text.size(), 7u);
    EXPECT_EQ(c.text[2], '/');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthTest,
    ::testing::Values(MonthCase{"WholeSelectionRetyped", "06/2024", 0, 7, "012003", "01/2003", 7},
                      MonthCase{"PartlyRetypedLeavesBlanks", "06/2024", 0, 7, "0320", "03/20__", 5},
                      MonthCase{"OverwritesAtTheCaret", "06/2024", 3, 0, "19", "06/1924", 5},
                      MonthCase{"TypedSlashStepsOverTheSlash", "__/____", 0, 0, "12/", "12/____",
                                3},
                      MonthCase{"SeventhDigitIsRefused", "__/____", 0, 0, "1234567", "12/3456", 7},
                      MonthCase{"BackspaceJumpsTheSlash", "12/3456", 3, 0, "<", "1_/3456", 1},
                      MonthCase{"DeleteBlanksTheSelection", "12/3456", 1, 4, "#", "1_/__56", 1},
                      MonthCase{"LettersAreRefused", "12/3456", 0, 0, "a", "12/3456", 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace orvane
