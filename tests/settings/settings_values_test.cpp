#include "qstring_print.h"
#include "settings_values.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr std::nullopt_t none = std::nullopt;

TEST(SettingsValues, ParsesWholeIntegersOnly)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x", none},
        {"0X", none},
        {"$ff", 255},
        {"$", none},
        {"-5", -5},
        {"+5", 5},
        {" 5", none},
        {"5 ", none},
        {"", none},
        {"abc", none},
        {"99999999999", none},
        {"2147483647", 2147483647},
        {"2147483648", none},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", none},
        {"0xFFFFFFFF", -1},
        {"0x100000000", none},
        {"0x000000001", 1},
        {"-$1", none},
        {"$-1", none},
        {"0x-1", none},
        {"-0x1", none},
        {"1x", none},
        {"-0", 0},
        {"+", none},
        {"１", none},
        {"00012", 12},
        {"0xg", none},
        {"12a", none},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseIntegerValue(q(text)), expected);
    }
}

TEST(SettingsValues, ScansCommaSeparatedIntegers)
{
    using Numbers = std::optional<std::vector<int>>;
    const std::tuple<const char*, int, Numbers> cases[] = {
        {"1,2,3", 3, std::vector{1, 2, 3}},
        {" \t-1,\n+2,  3", 3, std::vector{-1, 2, 3}},
        {"1,2,3,4", 3, std::vector{1, 2, 3}},
        {"1,2,3junk", 3, std::vector{1, 2, 3}},
        {"1,2,3 ,x", 3, std::vector{1, 2, 3}},
        {"1,2", 3, none},
        {"1 ,2,3", 3, none},
        {"1,,3", 3, none},
        {"1,-,3", 3, none},
        {"1;2;3", 3, none},
        {"", 3, none},
        {"none", 5, none},
        {"1,99999999999,3", 3, none},
        {"1,2,99999999999", 2, std::vector{1, 2}},
        {"-2147483648,2147483647", 2, std::vector{-2147483647 - 1, 2147483647}},
        {"0x10,1", 2, none},
        {"0", 0, std::vector<int>{}},
    };
    for (const auto& [text, count, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(scanIntegers(q(text), count), expected);
    }
    const std::pair<const char*, std::optional<std::pair<int, int>>> positions[] = {
        {"1,-20,40", std::pair{-20, 40}},
        {"-1, 5, 6", std::pair{5, 6}},
        {"0,300,300", none},
        {"1,300", none},
    };
    for (const auto& [text, expected] : positions) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readWindowPosition(q(text)), expected);
    }
}

TEST(SettingsValues, SplitsFieldLists)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"   ", ""},
        {"a,b", "a|b"},
        {"a b", "a|b"},
        {" a ,  b ", "a|b"},
        {"a,,b", "a||b"},
        {",a", "|a"},
        {"a,", "a|"},
        {"a, ", "a|"},
        {"a,,", "a||"},
        {"\"\",1", "|1"},
        {"a\tb\x01"
         "c",
         "a|b|c"},
        {"\"Times New Roman\",12", "Times New Roman|12"},
        {"\"say \"\"hi\"\"\",1", "say \"hi\"|1"},
        {"\"open to the end, still", "open to the end, still"},
        {"\"ab\"cd,e", "ab|cd|e"},
        {"ab\"c d\"", "ab\"c|d\""},
        {"ＭＳ Ｐゴシック,11", "ＭＳ|Ｐゴシック|11"},
        {"\"ＭＳ Ｐゴシック\",11,0,0", "ＭＳ Ｐゴシック|11|0|0"},
    };
    for (const auto& [text, fields] : cases) {
        SCOPED_TRACE(text);
        const QStringList split = splitFieldList(q(text));
        EXPECT_EQ(split.join(u'|'), q(fields));
        EXPECT_EQ(split.size(), *fields ? q(fields).count(u'|') + 1 : 0);
    }
}

// "name/size/b/i", or "-" when the value is ignored.
QString fontWords(const std::optional<StoredFont>& font)
{
    if (!font)
        return q("-");
    return font->name + u'/' + QString::number(font->pointSize) + u'/' +
           (font->bold ? u'b' : u'-') + u'/' + (font->italic ? u'i' : u'-');
}

TEST(SettingsValues, ReadsStoredFont)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Arial,12,1,0", "Arial/12/b/-"},
        {"\"Times New Roman\",12,0,1", "Times New Roman/12/-/i"},
        {"Arial,12,1", "-"},
        {"Arial,big,0,0", "Arial/0/-/-"},
        {"Arial,-12,0,0", "Arial/0/-/-"},
        {"Arial,0x10,$1,2", "Arial/16/b/i"},
        {"Arial,12,yes,1x", "Arial/12/-/-"},
        {"\"\",12,1,1", "-"},
        {",12,1,1", "-"},
        {"", "-"},
        {"Arial,12,1,0,extra", "Arial/12/b/-"},
        {"Arial,12,,1", "Arial/12/-/i"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(fontWords(readStoredFont(q(text))), q(expected));
    }
}

TEST(SettingsValues, StoredFontTextReadsBackTheSameFont)
{
    const std::pair<StoredFont, const char*> cases[] = {
        {{q("ＭＳ Ｐゴシック"), 11, false, false}, "\"ＭＳ Ｐゴシック\",11,0,0"},
        {{q("Arial"), 12, true, true}, "\"Arial\",12,1,1"},
        {{q("Odd \"Quoted\" Face"), 9, false, true}, "\"Odd \"\"Quoted\"\" Face\",9,0,1"},
        {{q("Face %2 %1"), 10, true, false}, "\"Face %2 %1\",10,1,0"},
        {{q("Trailing,Comma "), 8, false, false}, "\"Trailing,Comma \",8,0,0"},
    };
    for (const auto& [font, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(storedFontText(font), q(expected));
        EXPECT_EQ(fontWords(readStoredFont(storedFontText(font))), fontWords(font));
    }
}

} // namespace
