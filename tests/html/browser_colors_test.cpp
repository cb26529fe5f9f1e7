// Every colour word the program writes for a browser is one that browsers know.
#include "copy_formats.h"
#include "named_color_table.h"
#include "template_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// The named colours of CSS Color Level 4, which HTML's colour attributes share.
// clang-format off
constexpr std::string_view kCssKeywords[] = {
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black",
    "blanchedalmond", "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse",
    "chocolate", "coral", "cornflowerblue", "cornsilk", "crimson", "cyan", "darkblue",
    "darkcyan", "darkgoldenrod", "darkgray", "darkgreen", "darkgrey", "darkkhaki",
    "darkmagenta", "darkolivegreen", "darkorange", "darkorchid", "darkred", "darksalmon",
    "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey", "darkturquoise",
    "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick",
    "floralwhite", "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod",
    "gray", "green", "greenyellow", "grey", "honeydew", "hotpink", "indianred", "indigo",
    "ivory", "khaki", "lavender", "lavenderblush", "lawngreen", "lemonchiffon", "lightblue",
    "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray", "lightgreen", "lightgrey",
    "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray",
    "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta",
    "maroon", "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple",
    "mediumseagreen", "mediumslateblue", "mediumspringgreen", "mediumturquoise",
    "mediumvioletred", "midnightblue", "mintcream", "mistyrose", "moccasin", "navajowhite",
    "navy", "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid", "palegoldenrod",
    "palegreen", "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink",
    "plum", "powderblue", "purple", "rebeccapurple", "red", "rosybrown", "royalblue",
    "saddlebrown", "salmon", "sandybrown", "seagreen", "seashell", "sienna", "silver",
    "skyblue", "slateblue", "slategray", "slategrey", "snow", "springgreen", "steelblue",
    "tan", "teal", "thistle", "tomato", "turquoise", "violet", "wheat", "white", "whitesmoke",
    "yellow", "yellowgreen",
};
// clang-format on

bool isKeyword(std::string_view word)
{
    return std::find(std::begin(kCssKeywords), std::end(kCssKeywords), word) !=
           std::end(kCssKeywords);
}

// The first of a row's names that browsers know, else the colour's upper-case hex form.
std::string browserWord(const NamedColor& row)
{
    std::string_view names = row.name;
    while (!names.empty()) {
        const std::string_view name = names.substr(0, names.find('/'));
        if (isKeyword(name))
            return std::string(name);
        names.remove_prefix(std::min(names.size(), name.size() + 1));
    }
    return colorHex(row.value);
}

} // namespace

TEST(BrowserColors, EveryOutputWithNamesWritesAKeywordOrHex)
{
    ASSERT_EQ(std::size(kCssKeywords), 148u);
    for (const NamedColor& row : NamedColorTable::rows()) {
        SCOPED_TRACE(std::string(row.name));
        const ColorValue c = row.value;
        const std::string w = browserWord(row);
        const BodyColorSet all = {c, c, c, c, c};
        const std::string body = "<BODY BGCOLOR=\"" + w + "\" TEXT=\"" + w + "\" LINK=\"" + w +
                                 "\" VLINK=\"" + w + "\" ALINK=\"" + w + "\">";
        const std::string rule = "A         { color: " + w + "; }";

        EXPECT_EQ(singleColorCopyText(c, true, false), w);
        EXPECT_EQ(wholeCopyText(all, false, true), body);
        EXPECT_EQ(wholeCopyText(all, true, true), "body { background: " + w + "; color: " + w +
                                                      "; }\n" + rule + "\nA:link    { color: " + w +
                                                      "; }\nA:visited { color: " + w +
                                                      "; }\nA:active  { color: " + w + "; }\n");
        TemplateInput in;
        in.colors = all;
        in.useNames = true;
        EXPECT_EQ(WriteTemplate(in, false)[4], body);
        EXPECT_EQ(WriteTemplate(in, true)[4], body);
        EXPECT_EQ(WriteCssTemplate(in)[6], "  background: " + w + "; color: " + w + "; }");
        EXPECT_EQ(WriteCssTemplate(in)[7], rule);
    }
    // The table's own name stays where only people read it, and pastes back.
    EXPECT_EQ(ColorName(rgbColor(0x1E, 0xDE, 0xAA)), "honeydewtab");
    EXPECT_EQ(ColorByName("honeydewtab"), rgbColor(0x1E, 0xDE, 0xAA));
}
