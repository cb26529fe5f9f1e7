#include "int_edit_display.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct DisplayCase {
    const char* what;
    int value;
    IntDisplayFormat format;
    QString expected;
};

IntDisplayFormat framed(enIntEdit_FillType fillType, int maxLength = 8)
{
    IntDisplayFormat f;
    f.prefix = QStringLiteral("<");
    f.suffix = QStringLiteral(">");
    f.fillChar = QStringLiteral("0");
    f.fillType = fillType;
    f.maxLength = maxLength;
    return f;
}

IntDisplayFormat plain(enIntEdit_IOMode mode, enIntEdit_HexChar hexChar = hcUpper,
                       enIntEdit_Insertion insertion = inNone)
{
    IntDisplayFormat f;
    f.outputMode = mode;
    f.hexChar = hexChar;
    f.insertion = insertion;
    return f;
}

IntDisplayFormat with(IntDisplayFormat f, void (*change)(IntDisplayFormat&))
{
    change(f);
    return f;
}

const DisplayCase kCases[] = {
    // Prefix 1 + number 2 + suffix 1 leave 4 fill characters of 8.
    {"no fill", 42, framed(ftFillNone), QStringLiteral("<42>")},
    {"left fill A", 42, framed(ftLeftFillA), QStringLiteral("0000<42>")},
    {"left fill B", 42, framed(ftLeftFillB), QStringLiteral("<000042>")},
    {"right fill B", 42, framed(ftRightFillB), QStringLiteral("<420000>")},
    {"right fill A", 42, framed(ftRightFillA), QStringLiteral("<42>0000")},
    {"exactly full", 4242, framed(ftLeftFillA, 6), QStringLiteral("<4242>")},
    {"longer than the limit", 424242, framed(ftLeftFillA, 6), QStringLiteral("<424242>")},
    {"no limit, no fill", 42, framed(ftLeftFillA, 0), QStringLiteral("<42>")},
    {"empty fill character", 42,
     with(framed(ftLeftFillB), [](IntDisplayFormat& f) { f.fillChar.clear(); }),
     QStringLiteral("<42>")},
    {"grouping counts toward the length", 1234567,
     with(plain(imDec, hcUpper, inThousand),
          [](IntDisplayFormat& f) {
              f.fillChar = QStringLiteral("*");
              f.fillType = ftLeftFillA;
              f.maxLength = 12;
          }),
     QStringLiteral("***1,234,567")},
    {"negative decimal", -5, plain(imDec), QStringLiteral("-5")},
    {"negative hexadecimal", -1, plain(imHex), QStringLiteral("FFFFFFFF")},
    {"lower-case hexadecimal", 0xBEEF, plain(imHex, hcLower), QStringLiteral("beef")},
    {"binary grouped", 255, plain(imBin, hcUpper, inTenThousand), QStringLiteral("1111 1111")},
    {"octal", 8, plain(imOct), QStringLiteral("10")},
    {"smallest int", INT_MIN, plain(imDec, hcUpper, inThousand), QStringLiteral("-2,147,483,648")},
    {"hexadecimal with zero fill", 10,
     with(plain(imHex),
          [](IntDisplayFormat& f) {
              f.fillChar = QStringLiteral("0");
              f.fillType = ftLeftFillA;
              f.maxLength = 2;
          }),
     QStringLiteral("0A")},
    // Prefix and suffix count their stored bytes: two for a CP932 kanji, and the UTF-8
    // bytes for a character CP932 cannot hold.
    {"two-byte prefix", 42,
     with(framed(ftLeftFillB), [](IntDisplayFormat& f) { f.prefix = QStringLiteral("円"); }),
     QStringLiteral("円00042>")},
    {"two-byte suffix", 42,
     with(framed(ftRightFillA), [](IntDisplayFormat& f) { f.suffix = QStringLiteral("ｶﾞ円"); }),
     QStringLiteral("<42ｶﾞ円0")},
    {"prefix outside CP932 counts its UTF-8 bytes", 7,
     with(framed(ftLeftFillB, 5), [](IntDisplayFormat& f) { f.prefix = QStringLiteral("¥"); }),
     QStringLiteral("¥07>")},
};

TEST(IntEditDisplay, BuildsTheTextWithoutFocus)
{
    for (const DisplayCase& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(intDisplayText(c.value, c.format).toStdString(), c.expected.toStdString());
    }
}

} // namespace
