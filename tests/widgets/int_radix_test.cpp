#include "int_radix.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

using namespace std::string_literals;

namespace {

constexpr std::uint32_t bitsOf(int value)
{
    return static_cast<std::uint32_t>(value);
}

struct RenderCase {
    std::uint32_t value;
    std::string bin;
    std::string oct;
    std::string upperHex;
    std::string lowerHex;
};

const RenderCase kRenderCases[] = {
    {0, "0", "0", "0", "0"},
    {1, "1", "1", "1", "1"},
    {5, "101", "5", "5", "5"},
    {8, "1000", "10", "8", "8"},
    {10, "1010", "12", "A", "a"},
    {255, "11111111", "377", "FF", "ff"},
    {0xABCDEF, "101010111100110111101111", "52746757", "ABCDEF", "abcdef"},
    {bitsOf(INT_MAX), std::string(31, '1'), "17777777777", "7FFFFFFF", "7fffffff"},
    {bitsOf(INT_MIN), "1" + std::string(31, '0'), "20000000000", "80000000", "80000000"},
    {bitsOf(-1), std::string(32, '1'), "37777777777", "FFFFFFFF", "ffffffff"},
};

TEST(IntRadix, RendersEveryRadixWithoutLeadingZeros)
{
    for (const RenderCase& c : kRenderCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(IntToBinEx(c.value), c.bin);
        EXPECT_EQ(IntToOctEx(c.value), c.oct);
        EXPECT_EQ(IntToHexEx(c.value, hcUpper), c.upperHex);
        EXPECT_EQ(IntToHexEx(c.value, hcLower), c.lowerHex);
    }
}

TEST(IntRadix, ScansReadBackWhatTheRenderersWrite)
{
    for (const RenderCase& c : kRenderCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(BinToIntEx(c.bin), c.value);
        EXPECT_EQ(OctToIntEx(c.oct), c.value);
        EXPECT_EQ(HexToIntEx(c.upperHex), c.value);
        EXPECT_EQ(HexToIntEx(c.lowerHex), c.value);
    }
}

enum class Radix { Bin, Oct, Hex };

struct ScanCase {
    Radix radix;
    std::string text;
    std::uint32_t expected;
};

const ScanCase kScanCases[] = {
    {Radix::Hex, "ff", 255},
    {Radix::Hex, "FF", 255},
    {Radix::Hex, "fF", 255},
    {Radix::Hex, "", 0},
    {Radix::Hex, "G", 0},
    // The multiplication for the stopping character is already made.
    {Radix::Hex, "1G", 16},
    {Radix::Hex, "1-", 16},
    {Radix::Hex, "A0 1", 0xA00},
    {Radix::Hex, "-1", 0},
    {Radix::Hex, "100000000", 0}, // nine digits wrap at 32 bits
    {Radix::Hex, "123456789", 0x23456789},
    {Radix::Hex, "FFFFFFFFF", 0xFFFFFFFF}, // 0xFFFFFFFF * 16 + 15, wrapped
    {Radix::Oct, "17", 15},
    {Radix::Oct, "19", 8},
    {Radix::Oct, "8", 0},
    {Radix::Oct, "", 0},
    {Radix::Oct, "40000000000", 0},
    {Radix::Oct, "37777777777", 0xFFFFFFFF},
    {Radix::Bin, "101", 5},
    {Radix::Bin, "12", 2},
    {Radix::Bin, "2", 0},
    {Radix::Bin, "", 0},
    {Radix::Bin, "1" + std::string(32, '0'), 0},
    {Radix::Bin, std::string(33, '1'), 0xFFFFFFFF},
};

TEST(IntRadix, ScansStopAtTheFirstForeignCharacterAndWrap)
{
    for (const ScanCase& c : kScanCases) {
        SCOPED_TRACE("radix " + std::to_string(static_cast<int>(c.radix)) + " text \"" + c.text +
                     "\"");
        switch (c.radix) {
        case Radix::Bin:
            EXPECT_EQ(BinToIntEx(c.text), c.expected);
            break;
        case Radix::Oct:
            EXPECT_EQ(OctToIntEx(c.text), c.expected);
            break;
        case Radix::Hex:
            EXPECT_EQ(HexToIntEx(c.text), c.expected);
            break;
        }
    }
}

struct DecimalCase {
    std::string text;
    int expected;
};

const DecimalCase kDecimalCases[] = {
    {"0", 0},
    {"255", 255},
    {"007", 7},
    {"-1", -1},
    {"+5", 5},
    {"-0", 0},
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    // Not a valid integer: 0.
    {"", 0},
    {"-", 0},
    {"+", 0},
    {"2147483648", 0},
    {"-2147483649", 0},
    {"99999999999999999999", 0},
    {"12a", 0},
    {"a12", 0},
    {" 1", 0},
    {"1 ", 0},
    {"+-1", 0},
    {"-+1", 0},
    {"--1", 0},
    {"1.5", 0},
    {"0x10", 0},
    {"$10", 0},
};

TEST(IntRadix, DecimalTakesASignedIntegerOrGivesZero)
{
    for (const DecimalCase& c : kDecimalCases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(decimalToInt(c.text), c.expected);
        EXPECT_EQ(parseInRadix(c.text, imDec), c.expected);
    }
}

TEST(IntRadix, ParseAndRenderFollowTheMode)
{
    EXPECT_EQ(parseInRadix("101", imBin), 5);
    EXPECT_EQ(parseInRadix("17", imOct), 15);
    EXPECT_EQ(parseInRadix("ff", imHex), 255);
    EXPECT_EQ(parseInRadix("FFFFFFFF", imHex), -1);
    EXPECT_EQ(parseInRadix("80000000", imHex), INT_MIN);

    EXPECT_EQ(renderInRadix(-1, imDec, hcUpper), "-1");
    EXPECT_EQ(renderInRadix(INT_MIN, imDec, hcUpper), "-2147483648");
    EXPECT_EQ(renderInRadix(-1, imHex, hcUpper), "FFFFFFFF");
    EXPECT_EQ(renderInRadix(-1, imHex, hcLower), "ffffffff");
    EXPECT_EQ(renderInRadix(-8, imOct, hcUpper), "37777777770");
    EXPECT_EQ(renderInRadix(-2, imBin, hcUpper), std::string(31, '1') + "0");
    EXPECT_EQ(renderInRadix(255, imHex, hcUpper), "FF");
}

struct InsertionCase {
    std::string text;
    enIntEdit_Insertion insertion;
    enIntEdit_IOMode mode;
    int value;
    std::string expected;
};

const InsertionCase kInsertionCases[] = {
    {"1234567", inNone, imDec, 1234567, "1234567"},
    {"1234567", inThousand, imDec, 1234567, "1,234,567"},
    {"-123456", inThousand, imDec, -123456, "-123,456"},
    {"-123", inThousand, imDec, -123, "-123"},
    {"123456789", inTenThousand, imDec, 123456789, "1 2345 6789"},
    {"0", inThousand, imDec, 0, "0"},
    {"1", inThousand, imDec, 1, "1"},
    {"-1", inThousand, imDec, -1, "-1"},
    {"123", inThousand, imDec, 123, "123"},
    {"1234", inThousand, imDec, 1234, "1,234"},
    {"-1234", inThousand, imDec, -1234, "-1,234"},
    {"1234", inTenThousand, imDec, 1234, "1234"},
    {"12345", inTenThousand, imDec, 12345, "1 2345"},
    {"-12345", inTenThousand, imDec, -12345, "-1 2345"},
    {"2147483647", inThousand, imDec, INT_MAX, "2,147,483,647"},
    {"-2147483648", inThousand, imDec, INT_MIN, "-2,147,483,648"},
    {"-2147483648", inTenThousand, imDec, INT_MIN, "-21 4748 3648"},
    // Outside decimal every character is a digit, the value's sign aside.
    {"FFFFFFFF", inThousand, imHex, -1, "FF,FFF,FFF"},
    {"FFFFFFFF", inTenThousand, imHex, -1, "FFFF FFFF"},
    {"11111111", inTenThousand, imBin, 255, "1111 1111"},
    {"37777777777", inThousand, imOct, -1, "37,777,777,777"},
    // Texts that do not match their value stay within bounds.
    {"", inThousand, imDec, -1, ""},
    {"-", inThousand, imDec, -1, "-"},
    {"123456", inThousand, imDec, -1, "123,456"},
    {"-1234", inThousand, imDec, 1234, "-1,234"},
};

TEST(IntRadix, InsertionGroupsFromTheRight)
{
    for (const InsertionCase& c : kInsertionCases) {
        SCOPED_TRACE("\"" + c.text + "\" insertion " + std::to_string(c.insertion) + " mode " +
                     std::to_string(c.mode) + " value " + std::to_string(c.value));
        EXPECT_EQ(InsertionIn(c.text, c.insertion, c.mode, c.value), c.expected);
    }
}

// Over many values: removing the separators gives the text back, and they stand exactly
// every group size digits from the right.
TEST(IntRadix, InsertionSweepKeepsTheDigitsAndTheirPlaces)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
    for (int i = 0; i < 2000; ++i) {
        const int value = i < 40 ? (i % 2 ? 1 : -1) * ((1 << (i / 2)) - 1) : any(random);
        for (const auto insertion : {inThousand, inTenThousand}) {
            const char separator = insertion == inThousand ? ',' : ' ';
            const std::size_t size = insertion == inThousand ? 3 : 4;
            const std::string text = renderInRadix(value, imDec, hcUpper);
            const std::string grouped = InsertionIn(text, insertion, imDec, value);
            SCOPED_TRACE(grouped);
            std::string digitsOnly;
            for (const char c : grouped) {
                if (c != separator)
                    digitsOnly += c;
            }
            ASSERT_EQ(digitsOnly, text);
            // Each group right of the first is exactly size digits long.
            const std::size_t digitsStart = value < 0 ? 1 : 0;
            const std::size_t firstSeparator = grouped.find(separator);
            if (firstSeparator != std::string::npos) {
                ASSERT_GT(firstSeparator, digitsStart);
                ASSERT_LE(firstSeparator - digitsStart, size);
                ASSERT_EQ((grouped.size() - firstSeparator) % (size + 1), 0u);
            } else {
                ASSERT_LE(text.size() - digitsStart, size);
            }
        }
    }
}

} // namespace
