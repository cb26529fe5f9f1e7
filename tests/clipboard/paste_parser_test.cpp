#include "copy_formats.h"
#include "named_color_table.h"
#include "paste_parser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

using namespace std::string_view_literals;

// Found by argument lookup, so failures show the colours rather than raw bytes.
void PrintTo(const PasteResult& r, std::ostream* os)
{
    *os << "kind " << int(r.kind) << " editor " << colorHex(r.editorColor) << " body";
    for (ColorValue c : r.bodyColors)
        *os << ' ' << colorHex(c);
    *os << " read " << r.anyAttributeRead;
}

namespace {

using Kind = PasteResult::Kind;

constexpr ColorValue kBlack = 0x000000;
constexpr ColorValue kWhite = 0xFFFFFF;
constexpr ColorValue kCyan = 0xFFFF00;

PasteResult nothing()
{
    return {};
}

PasteResult editor(ColorValue c)
{
    return {Kind::EditorColor, c, {}, false};
}

PasteResult body(BodyColorSet colors, bool read = true)
{
    return {Kind::BodyColors, 0, colors, read};
}

struct PasteCase {
    std::string_view text;
    PasteResult expected;
};

const PasteCase kCases[] = {
    // Dispatch: blanks, one optional quote, then '#', '<' or a letter.
    {""sv, nothing()},
    {" \t\n"sv, nothing()},
    {"\""sv, nothing()},
    {"\"\"#FFFFFF"sv, nothing()},
    {"123456"sv, nothing()},
    {"  \"#0a0B0c\""sv, editor(rgbColor(10, 11, 12))},
    {"\t\n\v\f\r#102030"sv, editor(rgbColor(0x10, 0x20, 0x30))},
    // The hex reader: three fields of one or two digits, blanks allowed before each.
    {"#FF8000;"sv, editor(rgbColor(255, 128, 0))},
    {"#ff8000 is orange"sv, editor(rgbColor(255, 128, 0))},
    {"#FFF"sv, nothing()},
    {"#"sv, nothing()},
    {"#GGGGGG"sv, nothing()},
    {"# FF 80\t00"sv, editor(rgbColor(255, 128, 0))},
    {"#F F8000"sv, editor(rgbColor(0x0F, 0xF8, 0x00))},
    {"#FFFFFG"sv, editor(rgbColor(255, 255, 15))},
    {"#0x1234"sv, nothing()},
    {"#0X1234"sv, nothing()},
    {"#FF0x12"sv, nothing()},
    {"#-1FFFF"sv, nothing()},
    {"#+1FFFF"sv, nothing()},
    {"#FF-1FF"sv, nothing()},
    {"#FFFF+1"sv, nothing()},
    // Names: the run of letters, lower-cased.
    {"White"sv, editor(kWhite)},
    {"WHITE"sv, editor(kWhite)},
    {"white;"sv, editor(kWhite)},
    {"\"navy\""sv, editor(rgbColor(0, 0, 0x80))},
    {"Aqua"sv, editor(kCyan)},
    {"CYAN"sv, editor(kCyan)},
    {"fuchsia"sv, editor(rgbColor(255, 0, 255))},
    {"cyan/aqua"sv, editor(kCyan)},
    {"honeydewtab"sv, editor(rgbColor(0x1E, 0xDE, 0xAA))},
    {"notacolour"sv, nothing()},
    {"lightgoldenrodyellowx"sv, nothing()},
    {"body { background: #ffffff; }"sv, nothing()},
    // Bytes outside ASCII are neither blanks nor letters.
    {"\xE3\x80\x80#FFFFFF"sv, nothing()},
    {"\xC3\xA9white"sv, nothing()},
    {"white\xE3\x81\x82"sv, editor(kWhite)},
    {"#FF\xC2\xA0"
     "0000"sv,
     nothing()},
    // The text ends at its first NUL.
    {"#FF\0FFFF"sv, nothing()},
    {"\0#FFFFFF"sv, nothing()},
    {"red\0dish"sv, editor(rgbColor(255, 0, 0))},
    // BODY tags.
    {"<body bgcolor=white text=black>"sv, body({kWhite, kBlack, kBlack, kBlack, kBlack})},
    {"<BODY>"sv, body({}, false)},
    {"<P>no tag here"sv, nothing()},
    {"<"sv, nothing()},
    // Cut off before its closing quote and '>'.
    {R"(<BODY BGCOLOR="#008080" TEXT="#FFFFFF" LINK="#0000FF" VLINK="#00FFFF" ALINK="#FF00FF)"sv,
     body({0x808000, kWhite, 0xFF0000, kCyan, 0xFF00FF})},
    {"<HTML><HEAD></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">"sv,
     body({kWhite, kBlack, kBlack, kBlack, kBlack})},
    {"<BODY VLINK=\"#800080\" LINK=\"#0000FF\">"sv,
     body({kBlack, kBlack, 0x800080, 0x800080, kBlack})},
    // A later quote moves an unquoted value: BGCOLOR reads TEXT's value.
    {"<BODY BGCOLOR=#FFFFFF TEXT=\"#00FF00\">"sv, body({0x00FF00, 0x00FF00, 0, 0, 0})},
    {"<BODY BGCOLOR=white TEXT=black><P>\"</P>"sv, body({}, false)},
    {"<BODY BGCOLOR= #FFFFFF>"sv, body({}, false)},
    {"<BODY BGCOLOR= white>"sv, body({kWhite, 0, 0, 0, 0})},
    {"<BODY BGCOLOR=lightgoldenrodyellowx>"sv, body({}, false)},
    {"<BODY BGCOLOR=\"nocolour\">"sv, body({}, false)},
    {"<BODY BGCOLOR TEXT=red>"sv, body({0x0000FF, 0x0000FF, 0, 0, 0})},
    {"<BODY BGCOLOR>"sv, body({}, false)},
    {"<TBODYX BGCOLOR=#102030>"sv, body({rgbColor(0x10, 0x20, 0x30), 0, 0, 0, 0})},
    {"<P LINK=#FF0000><BODY>"sv, body({}, false)},
    {"<BODY><P TEXT=#FF0000>"sv, body({0, 0x0000FF, 0, 0, 0})},
    {"  \"<body bgcolor='#FFFFFF'>"sv, body({}, false)},
    {"<BODY BGCOLOR=\"\xE2\x80\x8B#FFFFFF\" TEXT=\"\xC3\xA9\">"sv, body({}, false)},
    {"<BODY BGCOLOR=\"#FFFFFF\"\0 TEXT=\"#FF0000\">"sv, body({kWhite, 0, 0, 0, 0})},
    {"\xE6\x96\x87<BODY TEXT=\"#FFFFFF\">"sv, nothing()},
    {"<!-- \xE6\x96\x87 --><BODY TEXT=\"#FFFFFF\" LINK=\"\xE6\x96\x87\">\xE6\x96\x87"sv,
     body({0, kWhite, 0, 0, 0})},
};

const BodyColorSet kRoundTripSets[] = {
    {0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF},
    {0xEEFFFF, 0x333333, 0xFF901E, 0xD2FAFA, 0xC0B0A0},
    {0x000000, 0x010203, 0xAAFF1E, 0x000080, 0xFFFFFF},
};

} // namespace

TEST(PasteParser, EveryCaseGivesItsResult)
{
    for (const PasteCase& c : kCases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(parsePaste(c.text), c.expected);
    }
}

TEST(PasteParser, BodyCopiesRoundTripAndCssCopiesAreIgnored)
{
    for (const BodyColorSet& colors : kRoundTripSets) {
        for (bool useNames : {false, true}) {
            SCOPED_TRACE(wholeCopyText(colors, false, useNames));
            EXPECT_EQ(parsePaste(wholeCopyText(colors, false, useNames)), body(colors));
            EXPECT_EQ(parsePaste(wholeCopyText(colors, true, useNames)), nothing());
        }
    }
}

TEST(PasteParser, SingleColourCopiesRoundTripForEveryTableColour)
{
    std::vector<ColorValue> colors = {0x563412, 0x0C0B0A, 0xC0B0A0};
    for (const NamedColor& row : NamedColorTable::rows())
        colors.push_back(row.value);
    for (ColorValue c : colors) {
        for (int flags = 0; flags < 4; ++flags) {
            const std::string text = singleColorCopyText(c, flags & 1, flags & 2);
            SCOPED_TRACE(text);
            EXPECT_EQ(parsePaste(text), editor(c));
        }
    }
}

TEST(PasteParser, LargeTextsParseInLinearTime)
{
    constexpr std::size_t size = 10 * 1024 * 1024;
    std::string filler;
    while (filler.size() < size)
        filler += "<P CLASS=\"x\">\xE6\x96\x87 some LIN text = BGCOLO BOD</P>\n";
    const std::string tag = R"(<BODY BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#0000FF">)";
    const struct {
        const char* label;
        std::string text;
        PasteResult expected;
    } cases[] = {
        {"tag at the end", "<HTML>" + filler + tag, body({kWhite, 0, 0xFF0000, 0, 0})},
        {"tag at the start, no attributes", "<BODY>" + filler, body({}, false)},
        {"unquoted values before a distant quote", "<BODY BGCOLOR=red TEXT=red " + filler,
         body({}, false)},
        {"blanks", std::string(size, ' '), nothing()},
        {"one long word", std::string(size, 'w'), nothing()},
        {"hex with blanks", "#" + std::string(size, '\n') + "FF 00 FF", editor(0xFF00FF)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto start = std::chrono::steady_clock::now();
        const PasteResult result = parsePaste(c.text);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::cout << c.label << ": " << c.text.size() << " bytes in " << elapsed.count() << " s\n";
        EXPECT_EQ(result, c.expected);
        EXPECT_LT(elapsed.count(), 2.0);
    }
}
