#include "copy_formats.h"
#include "css_copy_forms.h"
#include "css_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <tuple>

namespace {

using Kind = CssPasteResult::Kind;
constexpr std::nullopt_t none = std::nullopt;

constexpr ColorValue hex(std::uint32_t web)
{
    return swapWebOrder(web);
}

struct ColorCase {
    const char* text;
    std::optional<ColorValue> expected;
};

// What headless Chromium paints for each text (scripts/browser-colors), or no colour.
const ColorCase kColors[] = {
    {"#0f0a", hex(0x00FF00)},
    {"#AbCdEf", hex(0xABCDEF)},
    {"#12345678", hex(0x123456)},
    {"#12345", none},
    {"ReBeccaPurple", hex(0x663399)},
    {"DarkSlateGrey", hex(0x2F4F4F)},
    {"honeydewtab", none},
    {"transparent", none},
    {"currentcolor", none},
    {"r\\65 d", hex(0xFF0000)},
    {" red ", hex(0xFF0000)},
    {"rgb(0, 128, 128)", hex(0x008080)},
    {"RGBA(0 128 128 / 50%)", hex(0x008080)},
    {"rgb(none 128 none)", hex(0x008000)},
    {"rgb(none, 128, 128)", none},
    {"rgb(50%, 25, 100%)", none},
    {"rgb(50% 25 100%)", hex(0x8019FF)},
    {"rgb(12.5 0 0)", hex(0x0D0000)},
    {"rgb(300 -20 1e2)", hex(0xFF0064)},
    {"rgb(0 128 128", hex(0x008080)},
    {"rgb(0 128)", none},
    {"rgb(0,128,128,)", none},
    {"rgb(10deg 0 0)", none},
    {"rgb(1 2 3 / 4 / 5)", none},
    {"rgb (1 2 3)", none},
    {"hsla(180, 100%, 25.1%, 0.3)", hex(0x008080)},
    {"hsl(3.14159rad 100% 50%)", hex(0x00FFFF)},
    {"hsl(200grad 100% 50%)", hex(0x00FFFF)},
    {"hsl(-0.5turn 100% 50%)", hex(0x00FFFF)},
    {"hsl(120 100 50)", hex(0x00FF00)},
    {"hsl(120, 100, 50)", none},
    {"hsl(120 150% 50%)", hex(0x00FF00)},
    {"hwb(194 20% 30%)", hex(0x3395B3)},
    {"hwb(120, 20%, 30%)", none},
    {"lab(29.2345% 39.3825 20.0664)", hex(0x7D2329)},
    {"lab(50% 125% -125%)", hex(0xE400FF)},
    {"lab(110 0 0)", hex(0xFFFFFF)},
    {"lch(52.2345% 72.2 56.2)", hex(0xC65D06)},
    {"lch(50% -30 270)", hex(0x777777)},
    {"oklab(59.69% 0.1007 0.1191)", hex(0xC65D07)},
    {"oklab(50% 100% -100%)", hex(0xCD00FF)},
    {"oklch(70% 0.1 200)", hex(0x40B1B7)},
    {"oklch(0.7 0.1 0.6turn)", hex(0x47AEC6)},
    {"oklch(70% 0.1 none / none)", hex(0xD2849C)},
    {"color(srgb 0% 50% 50%)", hex(0x008080)},
    {"color(srgb-linear 0.2 0.4 0.6)", hex(0x7CAACB)},
    {"color(display-p3 1 0 0)", hex(0xFF0000)},
    {"color(a98-rgb 0.3 0.6 0.9)", hex(0x009AE9)},
    {"color(prophoto-rgb 0.4 0.6 0.8)", hex(0x00B2DC)},
    {"color(rec2020 0.01 0.05 0.07)", hex(0x001D22)},
    {"color(xyz 0.2 0.3 0.4)", hex(0x00A7A4)},
    {"color(xyz-d50 0.2 0.3 0.4)", hex(0x00A8BD)},
    {"color(unknown 0.2 0.3 0.4)", none},
    {"color(srgb 0.2 0.3)", none},
    {"rgb(1e999 0 0)", hex(0xFF0000)},
    {"", none},
    {"red blue", none},
};

struct SheetCase {
    const char* label;
    const char* text;
    CssPasteResult expected;
};

CssPasteResult editor(ColorValue c)
{
    CssPasteResult r;
    r.kind = Kind::EditorColor;
    r.editorColor = c;
    return r;
}

CssPasteResult slots(std::optional<ColorValue> bg, std::optional<ColorValue> text,
                     std::optional<ColorValue> link = none, std::optional<ColorValue> vlink = none,
                     std::optional<ColorValue> alink = none)
{
    CssPasteResult r;
    r.kind = Kind::SlotColors;
    r.slotColors = {bg, text, link, vlink, alink};
    return r;
}

// What a paste applies: the kind, the editor colour and the slots an author's rule decides.
auto applied(const CssPasteResult& r)
{
    return std::make_tuple(r.kind, r.editorColor, r.slotColors);
}

constexpr ColorValue Red = hex(0xFF0000);
constexpr ColorValue Lime = hex(0x00FF00);
constexpr ColorValue Blue = hex(0x0000FF);

const SheetCase kSheets[] = {
    {"quoted with a semicolon", " '#fff'; ", editor(hex(0xFFFFFF))},
    {"one declaration", "color: oklch(70% 0.1 200) !IMPORTANT;", editor(hex(0x40B1B7))},
    {"the custom property form",
     ":root {\n  --bgcolor: teal;\n  --text: #123456;\n}\nbody { background: var(--bgcolor); "
     "color: var(--text); }\nA:visited { color: var(--missing, lime); }\n",
     slots(hex(0x008080), hex(0x123456), none, Lime)},
    {"rule lists, any case", "A:Link, BODY { color: red } a:ACTIVE,p{color:#00f}",
     slots(none, Red, Red, none, Blue)},
    {"a:link over a bare a; a bare a colours the visited link too",
     "a:link { color: red } a { color: blue }", slots(none, none, Red, Blue, Red)},
    {"later wins, !important wins",
     "body { color: red !important; color: blue } body { color: lime }", slots(none, Red)},
    {"an unreadable value is passed over", "body { background-color: red; background: nonsense }",
     slots(Red, none)},
    {"the colour in the shorthand's last layer",
     "body { background: url(a.png), center / 50% no-repeat url(\"b).png\") rgb(0 0 255) fixed }",
     slots(Blue, none)},
    {"a cycle and its fallback",
     ":root { --a: var(--b, red); --b: var(--a, blue) } body { color: var(--a, lime); "
     "background: var(--b) }",
     slots(none, Lime)},
    {"var() nested, in a function",
     ":root{--g: 255; --rgb: 0 var(--g) 0}body{color:rgb(var(--rgb))}", slots(none, Lime)},
    {"@media for dark and a nested a:hover",
     "@media (prefers-color-scheme: dark) { body { color: red } } body { color: blue; a:hover "
     "{ color: red } }",
     slots(none, Blue, none, none, Red)},
    {"a comment holding a rule, escapes and strings",
     "/* body { color: red } */ b\\6f dy { color: blue; content: \"}\" } a { color: lime }",
     slots(none, Blue, Lime, Lime, Lime)},
    {"selectors that match body and the pressed link",
     "body p, .body, a:hover, html body { color: red }", slots(none, Red, none, none, Red)},
    {"nothing", "no colour here", CssPasteResult{}},
};

} // namespace

TEST(CssReader, ColorTextsGiveWhatTheBrowserPaints)
{
    for (const ColorCase& c : kColors) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readCssColor(c.text), c.expected);
    }
}

TEST(CssReader, StyleSheetsGiveTheirSlotColors)
{
    for (const SheetCase& c : kSheets) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(applied(readCssPaste(c.text)), applied(c.expected));
    }
    // The whole copy's CSS forms read back to their five colours.
    const BodyColorSet colors = {hex(0x008080), hex(0xFFFFFF), hex(0x1E90FF), hex(0x00FFFF),
                                 hex(0x123456)};
    for (const bool names : {false, true}) {
        for (const std::string& text :
             {wholeCopyText(colors, true, names), customPropertiesText(colors, names)}) {
            SCOPED_TRACE(text);
            EXPECT_EQ(applied(readCssPaste(text)),
                      applied(slots(colors[0], colors[1], colors[2], colors[3], colors[4])));
        }
    }
}

TEST(CssReader, EverySingleColorFormReadsBack)
{
    std::mt19937 random(21);
    for (int i = 0; i < 1'000'000 + 256; ++i) {
        const ColorValue c =
            i < 256 ? rgbColor(i, i, i) : static_cast<ColorValue>(random() & 0xFFFFFFu);
        for (const std::string& text :
             {rgbFunctionText(c), hslFunctionText(c), oklchFunctionText(c)}) {
            const CssPasteResult result = readCssPaste(text);
            if (applied(result) != applied(editor(c)))
                FAIL() << colorHex(c) << " written as " << text;
        }
    }
}

TEST(CssCopyForms, WriteTheirNumbers)
{
    EXPECT_EQ(rgbFunctionText(hex(0x008080)), "rgb(0 128 128)");
    EXPECT_EQ(hslFunctionText(hex(0x008080)), "hsl(180 100% 25.1%)");
    EXPECT_EQ(oklchFunctionText(hex(0x008080)), "oklch(54.31% 0.09271 194.77)");
    EXPECT_EQ(hslFunctionText(hex(0x808080)), "hsl(0 0% 50.2%)");
    EXPECT_EQ(oklchFunctionText(hex(0xFFFFFF)), "oklch(100% 0 0)");
    EXPECT_EQ(oklchFunctionText(hex(0x300115)), "oklch(20.21% 0.07918 0)") << "359.9992 is 0";
    EXPECT_EQ(oklchFunctionText(hex(0xFF0000)), "oklch(62.8% 0.25768 29.23)");
}
