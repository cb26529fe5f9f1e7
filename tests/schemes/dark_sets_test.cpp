#include "../settings/qstring_print.h"
#include "dark_sets.h"
#include "scheme_value.h"

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

} // namespace
