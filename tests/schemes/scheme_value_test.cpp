#include "../settings/qstring_print.h"
#include "scheme_value.h"

#include <gtest/gtest.h>

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(SchemeValue, ReadsFiveColours)
{
    using Colors = std::optional<BodyColorSet>;
    const std::pair<const char*, Colors> cases[] = {
        {"8421376,16777215,16711680,16776960,16711935",
         BodyColorSet{0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF}},
        {" 1, +2,\t3,4,5", BodyColorSet{1, 2, 3, 4, 5}},
        {"1,2,3,4,5,6 and more", BodyColorSet{1, 2, 3, 4, 5}},
        {"1,2,3,4,5junk", BodyColorSet{1, 2, 3, 4, 5}},
        {"16777216,16777471,-1,-16777216,2147483647", BodyColorSet{0, 0xFF, 0xFFFFFF, 0, 0xFFFFFF}},
        {"-2147483648,0,0,0,0", BodyColorSet{0, 0, 0, 0, 0}},
        {"none", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"1,2,3,4,", std::nullopt},
        {"1,2,3 ,4,5", std::nullopt},
        {"1,2,3,4,99999999999", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readSchemeColors(q(text)), expected);
    }
}

TEST(SchemeValue, WritesMaskedDecimalColours)
{
    const std::pair<BodyColorSet, const char*> cases[] = {
        {{0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF},
         "8421376,16777215,16711680,16776960,16711935"},
        {{0, 0, 0, 0, 0}, "0,0,0,0,0"},
        {{0xFF000000, 0x12FFFFFF, 0x01000001, 255, 0x0000FF00}, "0,16777215,1,255,65280"},
    };
    for (const auto& [colors, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(schemeValueText(colors), q(expected));
        EXPECT_EQ(schemeValueText(*readSchemeColors(schemeValueText(colors))), q(expected));
    }
}

TEST(SchemeValue, StorableNames)
{
    const std::pair<const char*, bool> cases[] = {
        {"Sea", true},          {" spaced ", true},
        {"[Options]", true},    {"a;b", true},
        {"海の色", true},       {"_lastend_x", true},
        {"lastend", true},      {"", true},
        {"a=b", false},         {"=", false},
        {";comment", false},    {"_lastend_", false},
        {"_LastEnd_", false},   {"＿ｌａｓｔｅｎｄ＿", true},
        {"line\nbreak", false}, {"cr\r", false},
    };
    for (const auto& [name, storable] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(isStorableSchemeName(q(name)), storable);
    }
    EXPECT_FALSE(isStorableSchemeName(QString::fromUtf8("nul\0inside", 10)));
}

} // namespace
