#include "base/numtext.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "base/fault.h"

namespace orvane {
namespace {

// A test name from a text: letters and digits kept, the other characters spelled out.
std::string NameOf(std::string_view text) {
    if (text.empty()) return "Empty";
    std::string name;
    for (char ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch))) {
            name += ch;
        } else {
            name += ch == '.'   ? "Pt"
                    : ch == ',' ? "Comma"
                    : ch == ' ' ? "Blank"
                    : ch == '-' ? "Minus"
                                : "Mark";
        }
    }
    return name;
}

// The fault a read throws, 0 for none.
template <class Read>
int Thrown(Read read) {
    try {
        read();
    } catch (const Fault& f) {
        return f.number();
    }
    return 0;
}

struct ValCase {
    const char* text;
    double value;
};
class ValTest : public ::testing::TestWithParam<ValCase> {};
TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Readings, ValTest,
    ::testing::Values(ValCase{"", 0}, ValCase{"abc", 0}, ValCase{".", 0}, ValCase{"1.2.3", 1.2},
                      ValCase{"1,000", 1}, ValCase{"  42x", 42}, ValCase{"27.5", 27.5},
                      ValCase{".75", 0.75}, ValCase{"-3", -3}, ValCase{"1e3", 1000},
                      ValCase{"1e", 1}, ValCase{"5.", 5}, ValCase{"__/2004", 0}, ValCase{"1_", 1},
                      ValCase{"1d2", 100}, ValCase{"+7 ", 7}, ValCase{"\t9", 9},
                      ValCase{"12e-1x", 1.2}, ValCase{"12345678901234567", 12345678901234567.0},
                      ValCase{"87000000000000000000", 8.7e19}),
    [](const auto& info) { return NameOf(info.param.text); });

TEST(CDblTest, AcceptsWholeNumbersOnly) {
    EXPECT_DOUBLE_EQ(CDbl(" 1,234.5 "), 1234.5);
    EXPECT_DOUBLE_EQ(CDbl("10000"), 10000);
    EXPECT_DOUBLE_EQ(CDbl("-7"), -7);
    EXPECT_DOUBLE_EQ(CDbl(".5"), 0.5);
    for (const char* bad : {"", " ", ".", "1.2.3", "27.5.5", "12a", "a", ",5", "1 2"}) {
        EXPECT_EQ(Thrown([&] { CDbl(bad); }), 13) << bad;
    }
    EXPECT_EQ(ErrPrompt(FaultOf(13)), "Err: 13[Type mismatch]");
}

TEST(CStrTest, PlainDecimalUpTo15Digits) {
    // Never an exponent, however large or small.
    const std::pair<double, std::string_view> cases[] = {
        {1234.5, "1234.5"},
        {3000.0, "3000"},
        {0.1 + 0.2, "0.3"},
        {10000 * 0.3, "3000"},
        {0.5, "0.5"},
        {-2.25, "-2.25"},
        {0.0, "0"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1000000000000000"},
        {1.5e20, "150000000000000000000"},
        {0.00001, "0.00001"},
        {0.0001 * 0.3, "0.00003"},
        {-1.25e-7, "-0.000000125"},
        {1234567890123456789.0, "1234567890123460000"},
        {0.1234567890123456, "0.123456789012346"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CStr(value), text);
}

TEST(RoundTest, HalvesGoToEvenOrAway) {
    // 2.675 reads as a half: 7 is odd.
    const std::tuple<double, int, double> even[] = {
        {27.5, 0, 28},          {28.5, 0, 28},          {26.5, 0, 26},    {31.5, 0, 32},
        {-2.5, 0, -2},          {2.675, 2, 2.68},       {2.665, 2, 2.66}, {1.005, 2, 1.00},
        {0.0555555, 4, 0.0556}, {1234.5678, 2, 1234.57}};
    for (const auto& [value, places, rounded] : even)
        EXPECT_DOUBLE_EQ(RoundEven(value, places), rounded) << value;
    EXPECT_DOUBLE_EQ(RoundAway(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(RoundAway(2.5), 3);
}

TEST(CIntTest, SixteenBitsOrOverflow) {
    EXPECT_EQ(CInt(27.5), 28);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(Thrown([] { CInt(32767.5); }), 6);
    EXPECT_EQ(ErrPrompt(FaultOf(6)), "Err: 6[Overflow]");
}

// The display patterns read another way: the value rounded at its places with halves away
// from zero, its digits written by printf and grouped by hand.
std::string PrintfFormat(double value, Pattern pattern) {
    const int decimals = pattern == Pattern::Whole ? 0 : 2;
    const double rounded = RoundAway(value, decimals);
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, std::fabs(rounded));
    std::string_view all = digits;
    std::string_view whole = all.substr(0, all.find('.'));
    if (whole == "0") whole = {};
    std::string text;
    if (rounded < 0 && all.find_first_of("123456789") != std::string_view::npos) text += '-';
    if (pattern == Pattern::Currency) text += '$';
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i != 0 && (whole.size() - i) % 3 == 0) text += ',';
        text += whole[i];
    }
    if (decimals) text += all.substr(all.find('.'));
    if (pattern == Pattern::Amount) text += ' ';
    return text;
}

// Values of every size below 1e13 (the grid's amounts), many of them exact halves of a cent
// and of a unit, negative and positive; both ways of formatting agree with the reading above.
TEST(FormatToTest, AgreesWithPrintfOverRandomValues) {
    std::mt19937_64 random(20240615);
    std::uniform_int_distribution<long long> cents(0, 999'999'999'999'999LL);
    std::uniform_int_distribution<int> digits(1, 15), kind(0, 3);
    const Pattern patterns[] = {Pattern::Amount, Pattern::Currency, Pattern::Whole};
    char buf[kFormatRoom];
    for (int n = 0; n < 200'000; ++n) {
        long long scale = 1;
        for (int d = digits(random); d > 0; --d)
            scale *= 10;
        const double units = static_cast<double>(cents(random) % scale);
        // A half of a cent (1.005, 12,345.675), a half of a unit (2.5), whole cents, anything.
        const int k = kind(random);
        double value = k == 0   ? (units + 0.5) / 100
                       : k == 1 ? units / 100 - std::fmod(units / 100, 1) + 0.5
                       : k == 2
                           ? units / 100
                           : units / 100 + std::ldexp(static_cast<double>(random() >> 11), -53);
        if (random() & 1) value = -value;
        const Pattern pattern = patterns[n % 3];
        const std::string expected = PrintfFormat(value, pattern);
        ASSERT_EQ(std::string_view(buf, FormatTo(buf, value, pattern)), expected)
            << std::setprecision(17) << value;
        ASSERT_EQ(Format(value, pattern), expected) << std::setprecision(17) << value;
    }
}

// Beyond a thousand billion units the digits are the value's whole part, grouped.
TEST(FormatToTest, HugeValuesShowTheirWholePart) {
    const std::pair<double, std::string_view> cases[] = {
        {1e15, "1,000,000,000,000,000.00 "},
        {-2.5e15, "-2,500,000,000,000,000.00 "},
        {1e20, "100,000,000,000,000,000,000.00 "},
        {-0.004, ".00 "},
        {-0.005, "-.01 "},
    };
    char buf[kFormatRoom];
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(std::string_view(buf, FormatTo(buf, value, Pattern::Amount)), text) << value;
        EXPECT_EQ(Format(value, Pattern::Amount), text) << value;
    }
    const double largest = std::numeric_limits<double>::max();
    const std::string_view shown(buf, FormatTo(buf, -largest, Pattern::Currency));
    EXPECT_EQ(shown.substr(0, 6), "-$179,");
    EXPECT_EQ(shown.size(), 2 + 309 + 102 + 3);  // sign, $, digits, commas, .00
}

TEST(FormatTextTest, LeavesNonNumbersAlone) {
    for (const auto& [text, shown] :
         {std::pair{"1.2.3", "1.2.3"}, {"", ""}, {"0", ""}, {"12.5", "13"}})
        EXPECT_EQ(FormatText(text, Pattern::Whole), shown) << text;
}

TEST(RangeTest, TooLargeIsOverflowTooSmallIsZero) {
    EXPECT_FALSE(TryCDbl("1e999"));
    EXPECT_DOUBLE_EQ(CDbl("1e-999"), 0);
    EXPECT_DOUBLE_EQ(Val("1e-999"), 0);
    EXPECT_EQ(Thrown([] { CDbl("1e999"); }), 6);
    EXPECT_EQ(Thrown([] { Val("9e999x"); }), 6);
    EXPECT_EQ(FormatText("1e999", Pattern::Whole), "1e999");
}

}  // namespace
}  // namespace orvane
