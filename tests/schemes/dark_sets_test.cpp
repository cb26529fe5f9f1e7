#include "../settings/qstring_print.h"
#include "dark_sets.h"
#include "scheme_value.h"
#include "settings_store.h"

#include <gtest/gtest.h>

namespace {

TEST(DarkSets, ReadsOnlyWhatTheProgramWrites)
{
    const std::pair<const char*, std::optional<BodyColorSet>> cases[] = {
        {"3421184,16252925,15635048,10395487,12745413",
         BodyColorSet{0x343400, 0xF7FFFD, 0xEE9268, 0x9E9F5F, 0xC27AC5}},
        {"0,0,0,0,16777215", BodyColorSet{0, 0, 0, 0, 0xFFFFFF}},
        {"0,0,0,0,16777216", std::nullopt},
        {"1,2,3,4", std::nullopt},
        {"1,2,3,4,5,6", std::nullopt},
        {"1,2,3,4,5junk", std::nullopt},
        {" 1,2,3,4,5", std::nullopt},
        {"+1,2,3,4,5", std::nullopt},
        {"-1,2,3,4,5", std::nullopt},
        {"1,,3,4,5", std::nullopt},
        {"000000001,2,3,4,5", std::nullopt},
        {"none", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(readDarkSchemeColors(QString::fromUtf8(text)), expected);
        if (expected) {
            EXPECT_EQ(darkSchemeValueText(*expected), QString::fromUtf8(text));
        }
    }
}

TEST(DarkSets, DropsLinesOfGoneSchemesAndDamagedValues)
{
    SettingsStore store = SettingsStore::fromText(
        "[Color Set]\r\nSea=1,2,3,4,5\r\nsky=1,2,3,4,5\r\n_lastend_=1,2,3,4,5\r\n"
        "[Color Set Dark]\r\nSEA=5,4,3,2,1\r\nGone=5,4,3,2,1\r\nsky=5,4,3,2\r\n"
        "_lastend_=9,9,9,9,9\r\n");
    EXPECT_EQ(dropStaleDarkLines(store), 2);
    EXPECT_EQ(store.toText(), "[Color Set]\r\nSea=1,2,3,4,5\r\nsky=1,2,3,4,5\r\n"
                              "_lastend_=1,2,3,4,5\r\n\r\n"
                              "[Color Set Dark]\r\nSEA=5,4,3,2,1\r\n_lastend_=9,9,9,9,9\r\n\r\n");
    SettingsStore plain = SettingsStore::fromText("[Color Set]\r\nSea=1,2,3,4,5\r\n");
    EXPECT_EQ(dropStaleDarkLines(plain), 0);
    EXPECT_EQ(plain.toText(), "[Color Set]\r\nSea=1,2,3,4,5\r\n\r\n");
}

} // namespace
