#include "copy_formats.h"
#include "css_copy_forms.h"

#include <gtest/gtest.h>

namespace {

// teal, white, blue, cyan, magenta: every colour named, the synonyms included.
constexpr BodyColorSet kNamedSet = {0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF};
// #FFFFEE, #333333, dodgerblue, lightgoldenrodyellow (the longest name), #A0B0C0.
constexpr BodyColorSet kMixedSet = {0xEEFFFF, 0x333333, 0xFF901E, 0xD2FAFA, 0xC0B0A0};
constexpr ColorValue kLongName = 0xD2FAFA;
constexpr BodyColorSet kLongestSet = {kLongName, kLongName, kLongName, kLongName, kLongName};

struct WholeCase {
    const char* label;
    BodyColorSet colors;
    bool useCss;
    bool useNames;
    const char* text;
    std::size_t length;
};

const WholeCase kWholeCases[] = {
    {"named body hex", kNamedSet, false, false,
     R"(<BODY BGCOLOR="#008080" TEXT="#FFFFFF" LINK="#0000FF" VLINK="#00FFFF" ALINK="#FF00FF">)",
     86},
    {"named body names", kNamedSet, false, true,
     R"(<BODY BGCOLOR="teal" TEXT="white" LINK="blue" VLINK="cyan" ALINK="magenta">)", 75},
    {"named css hex", kNamedSet, true, false,
     "body { background: #008080; color: #ffffff; }\nA         { color: #0000ff; }\n"
     "A:link    { color: #0000ff; }\nA:visited { color: #00ffff; }\n"
     "A:active  { color: #ff00ff; }\n",
     166},
    {"named css names", kNamedSet, true, true,
     "body { background: teal; color: white; }\nA         { color: blue; }\n"
     "A:link    { color: blue; }\nA:visited { color: cyan; }\nA:active  { color: magenta; }\n",
     152},
    {"mixed body hex", kMixedSet, false, false,
     R"(<BODY BGCOLOR="#FFFFEE" TEXT="#333333" LINK="#1E90FF" VLINK="#FAFAD2" ALINK="#A0B0C0">)",
     86},
    {"mixed body names", kMixedSet, false, true,
     R"(<BODY BGCOLOR="#FFFFEE" TEXT="#333333" LINK="dodgerblue" )"
     R"(VLINK="lightgoldenrodyellow" ALINK="#A0B0C0">)",
     102},
    {"mixed css hex", kMixedSet, true, false,
     "body { background: #ffffee; color: #333333; }\nA         { color: #1e90ff; }\n"
     "A:link    { color: #1e90ff; }\nA:visited { color: #fafad2; }\n"
     "A:active  { color: #a0b0c0; }\n",
     166},
    // Unnamed colours fall back to upper-case hex, unlike the plain hex variant.
    {"mixed css names", kMixedSet, true, true,
     "body { background: #FFFFEE; color: #333333; }\nA         { color: dodgerblue; }\n"
     "A:link    { color: dodgerblue; }\nA:visited { color: lightgoldenrodyellow; }\n"
     "A:active  { color: #A0B0C0; }\n",
     185},
    {"longest names css", kLongestSet, true, true,
     "body { background: lightgoldenrodyellow; color: lightgoldenrodyellow; }\n"
     "A         { color: lightgoldenrodyellow; }\nA:link    { color: lightgoldenrodyellow; }\n"
     "A:visited { color: lightgoldenrodyellow; }\nA:active  { color: lightgoldenrodyellow; }\n",
     244},
};

} // namespace

TEST(CopyFormats, WholeCopyWritesEveryVariantByteForByte)
{
    for (const WholeCase& c : kWholeCases) {
        SCOPED_TRACE(c.label);
        const std::string text = wholeCopyText(c.colors, c.useCss, c.useNames);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(text.size(), c.length);
        EXPECT_EQ(text.back(), c.useCss ? '\n' : '>');
        EXPECT_EQ(text.find('\r'), std::string::npos);
    }
}

TEST(CopyFormats, SingleColourCopyCoversEveryFlagCombination)
{
    const struct {
        ColorValue color;
        const char* hex;
        const char* name;
    } cases[] = {
        {0xFF901E, "#1E90FF", "dodgerblue"}, {0xFFFF00, "#00FFFF", "cyan"},
        {0xFF00FF, "#FF00FF", "magenta"},    {0xFFFFFF, "#FFFFFF", "white"},
        {0x563412, "#123456", "#123456"},    {0x0C0B0A, "#0A0B0C", "#0A0B0C"},
        {0xC0B0A0, "#A0B0C0", "#A0B0C0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(singleColorCopyText(c.color, false, false), c.hex);
        EXPECT_EQ(singleColorCopyText(c.color, false, true), std::string("\"") + c.hex + "\"");
        EXPECT_EQ(singleColorCopyText(c.color, true, false), c.name);
        EXPECT_EQ(singleColorCopyText(c.color, true, true), std::string("\"") + c.name + "\"");
    }
}

TEST(CopyFormats, CustomPropertiesWithAndWithoutADarkSet)
{
    const BodyColorSet light = {0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF};
    const BodyColorSet dark = {0x343400, 0xF7FFFD, 0xEE9268, 0x9E9F5F, 0xC27AC5};
    const std::string rules = "body { background: var(--bgcolor); color: var(--text); }\n"
                              "A         { color: var(--link); }\n"
                              "A:link    { color: var(--link); }\n"
                              "A:visited { color: var(--vlink); }\n"
                              "A:active  { color: var(--alink); }\n";
    const std::string lightRoot = "  --bgcolor: #008080;\n  --text: #ffffff;\n"
                                  "  --link: #0000ff;\n  --vlink: #00ffff;\n  --alink: #ff00ff;\n";
    EXPECT_EQ(customPropertiesText(light, false), ":root {\n" + lightRoot + "}\n" + rules);
    EXPECT_EQ(customPropertiesText(light, false, std::nullopt), customPropertiesText(light, false));
    EXPECT_EQ(customPropertiesText(light, false, dark),
              ":root {\n  color-scheme: light dark;\n" + lightRoot +
                  "}\n"
                  "@media (prefers-color-scheme: dark) {\n"
                  "  :root {\n"
                  "    --bgcolor: #003434;\n    --text: #fdfff7;\n    --link: #6892ee;\n"
                  "    --vlink: #5f9f9e;\n    --alink: #c57ac2;\n"
                  "  }\n"
                  "}\n" +
                  rules);
}
