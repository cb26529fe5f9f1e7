#include "named_color_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Independent of the table's own storage: the web-order values as the palette shows them.
struct Expected {
    int index;
    const char* name;
    std::uint32_t web;
};

constexpr Expected kSamples[] = {
    {0, "white", 0xFFFFFF},
    {8, "black", 0x000000},
    {27, "lightgoldenrodyellow", 0xFAFAD2},
    {44, "red", 0xFF0000},
    {91, "honeydewtab", 0x1EDEAA},
    {101, "cyan/aqua", 0x00FFFF},
    {103, "teal", 0x008080},
    {113, "cadetblue", 0x5F9EA0},
    {119, "blue", 0x0000FF},
    {136, "magenta/fuchsia", 0xFF00FF},
    {138, "purple", 0x800080},
};

} // namespace

TEST(NamedColorTable, RowsHoldConvertedValuesInPaletteOrder)
{
    ASSERT_EQ(NamedColorTable::rows().size(), 139u);
    for (const Expected& e : kSamples) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(NamedColorTable::row(e.index).name, e.name);
        EXPECT_EQ(NamedColorTable::row(e.index).value, swapWebOrder(e.web));
    }
    EXPECT_EQ(NamedColorTable::row(0).value, 0x00FFFFFFu);
    EXPECT_EQ(NamedColorTable::row(44).value, 0x000000FFu);
}

TEST(NamedColorTable, EveryRowIsUniqueAndWellFormed)
{
    std::set<ColorValue> values;
    std::set<std::string_view> names;
    for (const NamedColor& row : NamedColorTable::rows()) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_TRUE(values.insert(row.value).second) << "duplicate value";
        EXPECT_TRUE(names.insert(row.name).second) << "duplicate name";
        EXPECT_EQ(row.value >> 24, 0u);
        EXPECT_LE(row.name.size(), 23u);
        for (char c : row.name)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || c == '/');
    }
}

TEST(NamedColorTable, EveryRowRoundTripsThroughBothLookups)
{
    for (const NamedColor& row : NamedColorTable::rows()) {
        SCOPED_TRACE(std::string(row.name));
        const std::string name = ColorName(row.value);
        const auto slash = row.name.find('/');
        if (slash == std::string_view::npos) {
            EXPECT_EQ(name, row.name);
            EXPECT_EQ(ColorByName(row.name), row.value);
        } else {
            // The synonym rows answer with their first keyword and are found by either.
            EXPECT_EQ(name, row.name.substr(0, slash));
            EXPECT_EQ(ColorByName(row.name.substr(0, slash)), row.value);
            EXPECT_EQ(ColorByName(row.name.substr(slash + 1)), row.value);
            EXPECT_EQ(ColorByName(row.name), std::nullopt);
        }
    }
}

TEST(NamedColorTable, ColorNameOfUnnamedColoursIsUpperCaseHex)
{
    const struct {
        ColorValue color;
        const char* text;
    } cases[] = {
        {rgbColor(0x12, 0x34, 0x56), "#123456"},
        {rgbColor(0x0A, 0x0B, 0x0C), "#0A0B0C"},
        {rgbColor(255, 255, 238), "#FFFFEE"},
        // A set top byte never matches a row, and never shows in the text.
        {0x01FFFFFFu, "#FFFFFF"},
        {0xFF00FFFFu, "#FFFF00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorName(c.color), c.text);
    }
}

TEST(NamedColorTable, ColorByNameRefusesWhatIsNotAnExactLowerCaseWord)
{
    for (const char* word : {"", "White", "WHITE", "cyan/aqua", "magenta/fuchsia", "whites", "whit",
                             "honeydew tab", "grey"}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(ColorByName(word), std::nullopt);
    }
    EXPECT_EQ(ColorByName("navy"), rgbColor(0, 0, 128));
    EXPECT_EQ(ColorByName("aqua"), rgbColor(0, 255, 255));
    EXPECT_EQ(ColorByName("fuchsia"), rgbColor(255, 0, 255));
}

TEST(ColorValue, ComponentsAndTexts)
{
    const ColorValue c = rgbColor(0x1E, 0x90, 0xFF);
    EXPECT_EQ(c, 0x00FF901Eu);
    EXPECT_EQ(redOf(c), 0x1E);
    EXPECT_EQ(greenOf(c), 0x90);
    EXPECT_EQ(blueOf(c), 0xFF);
    EXPECT_EQ(colorHex(c), "#1E90FF");
    EXPECT_EQ(colorHexLower(c), "#1e90ff");
    EXPECT_EQ(swapWebOrder(0x1E90FF), c);
    EXPECT_EQ(swapWebOrder(c), 0x1E90FFu);
    EXPECT_EQ(rgbColor(256 + 1, -1, 0), rgbColor(1, 255, 0));
}
