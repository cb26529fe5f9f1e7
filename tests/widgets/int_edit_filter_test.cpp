#include "int_edit_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What a row of the character table does in one radix.
enum class Rule { Pass, Drop, Digit, Minus };

struct Row {
    std::u32string chars;
    Rule dec, bin, oct, hex;
};

const Row kRows[] = {
    {U"\x08\x0D\x7F", Rule::Pass, Rule::Pass, Rule::Pass, Rule::Pass},
    {U"01", Rule::Digit, Rule::Digit, Rule::Digit, Rule::Digit},
    {U"234567", Rule::Digit, Rule::Drop, Rule::Digit, Rule::Digit},
    {U"89", Rule::Digit, Rule::Drop, Rule::Drop, Rule::Digit},
    {U"ABCDEFabcdef", Rule::Drop, Rule::Drop, Rule::Drop, Rule::Pass},
    {U"-", Rule::Minus, Rule::Drop, Rule::Drop, Rule::Drop},
    {U".", Rule::Drop, Rule::Drop, Rule::Drop, Rule::Drop},
    // The last row, anything else, is every other ASCII character (space, Tab, Esc, the
    // other letters, punctuation, the control characters of Ctrl+A, Ctrl+C, Ctrl+V,
    // Ctrl+X and Ctrl+Z) and a few beyond.
};

std::u32string everythingElse()
{
    std::u32string listed;
    for (const Row& row : kRows)
        listed += row.chars;
    std::u32string others;
    for (char32_t ch = 0; ch < 128; ++ch) {
        if (listed.find(ch) == std::u32string::npos)
            others += ch;
    }
    return others + U"\u00A0\u00E9\u3042\uFF10\U0001F600";
}

// A field state, with what the digit rule and the minus rule make of it.
struct FieldCase {
    const char* what;
    TypedCharContext field;
    TypedCharAction digit;
    TypedCharAction minus;
};

constexpr auto Pass = TypedCharAction::Pass;
constexpr auto Drop = TypedCharAction::Drop;

const FieldCase kFields[] = {
    {"empty, caret 0", {false, 0, false, true}, Pass, Pass},
    {"empty, caret 0, negatives off", {false, 0, false, false}, Pass, Drop},
    {"\"-\", caret 0", {true, 0, false, true}, Drop, Drop},
    {"\"-\", caret 1", {true, 1, false, true}, Pass, Drop},
    {"\"-5\", leading \"-\" selected", {true, 0, true, true}, Pass, Pass},
    {"\"-5\", leading \"-\" selected, negatives off", {true, 0, true, false}, Pass, Drop},
    {"\"-5\", \"5\" selected", {true, 1, true, true}, Pass, Drop},
    {"\"5\", caret 0", {false, 0, false, true}, Pass, Pass},
    {"\"5\", caret 1", {false, 1, false, true}, Pass, Drop},
    {"\"5\", selected", {false, 0, true, true}, Pass, Pass},
};

TypedCharAction expected(Rule rule, const FieldCase& field)
{
    switch (rule) {
    case Rule::Pass:
        return Pass;
    case Rule::Drop:
        return Drop;
    case Rule::Digit:
        return field.digit;
    case Rule::Minus:
        break;
    }
    return field.minus;
}

TEST(IntEditFilter, EveryRowInEveryRadixAndFieldState)
{
    const enIntEdit_IOMode modes[] = {imDec, imBin, imOct, imHex};
    std::vector<Row> rows(std::begin(kRows), std::end(kRows));
    rows.push_back({everythingElse(), Rule::Drop, Rule::Drop, Rule::Drop, Rule::Drop});
    for (const Row& row : rows) {
        const Rule rules[] = {row.dec, row.bin, row.oct, row.hex};
        for (const char32_t ch : row.chars) {
            for (int m = 0; m < 4; ++m) {
                for (const FieldCase& field : kFields) {
                    SCOPED_TRACE("character " + std::to_string(static_cast<unsigned>(ch)) +
                                 ", mode " + std::to_string(m) + ", " + field.what);
                    EXPECT_EQ(intEditCharAction(ch, modes[m], field.field),
                              expected(rules[m], field));
                }
            }
        }
    }
}

} // namespace
