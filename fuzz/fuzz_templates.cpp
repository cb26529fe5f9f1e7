// The template pages for any colours, options and background path: every line as the page
// layout states it, no line break whatever the path holds, colour attributes that name
// their own colour in words a browser knows, a background address that decodes to the
// path, and a BODY line the paste command reads back.

#include "fuzz_support.h"
#include "named_color_table.h"
#include "paste_parser.h"
#include "template_writer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::check;
using fuzz::escaped;

std::string hexOf(ColorValue c, bool upper)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, upper ? "#%02X%02X%02X" : "#%02x%02x%02x", c & 0xFFu,
                  (c >> 8) & 0xFFu, (c >> 16) & 0xFFu);
    return buffer;
}

bool hasTableName(ColorValue c)
{
    for (const NamedColor& row : NamedColorTable::rows()) {
        if (row.value == c)
            return true;
    }
    return false;
}

// A colour word of the pages: with names, the table's keyword for it (which reads back to
// it) or, for a colour without one, its upper-case hex form. The table's own name
// "honeydewtab" is no keyword a browser knows.
std::string colorWord(ColorValue c, bool useNames, bool upperHex)
{
    if (!useNames)
        return hexOf(c, upperHex);
    const std::string name =
        hasTableName(c) && ColorName(c) != "honeydewtab" ? ColorName(c) : hexOf(c, true);
    if (name[0] != '#')
        check(ColorByName(name) == c, "a named colour is written by its name", name);
    return name;
}

// The path as the address should decode: behind a "/" when it starts with a drive letter,
// every backslash a slash and the drive letter's colon a bar.
std::string decodedAddress(std::string_view path)
{
    const bool drive = path.size() >= 2 &&
                       fuzz::isAsciiLetter(static_cast<unsigned char>(path[0])) && path[1] == ':';
    std::string text = (drive ? "/" : "") + std::string(path);
    for (char& c : text) {
        if (c == '\\')
            c = '/';
    }
    if (drive)
        text[2] = '|';
    return text;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The address written for a path: it holds nothing that ends or breaks it in a page, and
// its escapes decode to the path; a path without such characters is written as it is.
void checkAddress(std::string_view path, const std::string& address)
{
    std::string decoded;
    for (std::size_t i = 0; i < address.size(); ++i) {
        const auto c = static_cast<unsigned char>(address[i]);
        check(c > 0x20 && c != 0x7F &&
                  std::string_view("\"'()#?\\").find(static_cast<char>(c)) ==
                      std::string_view::npos,
              "an address holds no character that ends or breaks it", escaped(address));
        if (c != '%') {
            decoded.push_back(static_cast<char>(c));
            continue;
        }
        check(i + 2 < address.size() && hexValue(address[i + 1]) >= 0 &&
                  hexValue(address[i + 2]) >= 0,
              "a percent sign starts an escape", escaped(address));
        decoded.push_back(
            static_cast<char>(hexValue(address[i + 1]) * 16 + hexValue(address[i + 2])));
        i += 2;
    }
    check(decoded == decodedAddress(path), "an address decodes to the path", escaped(address));
    const bool plain = std::none_of(path.begin(), path.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c <= 0x20 || c == 0x7F ||
               std::string_view("\"'()#%?").find(ch) != std::string_view::npos;
    });
    if (plain)
        check(address == decodedAddress(path), "an ordinary path keeps its bytes",
              escaped(address));
}

// The BODY attribute holds the address with "&" written as a character reference.
std::string backgroundAttribute(std::string_view path)
{
    std::string text = " BACKGROUND=\"";
    for (char c : rewriteBackgroundPath(path))
        text += c == '&' ? std::string("&amp;") : std::string(1, c);
    return text + "\"";
}

constexpr const char* Title = "<TITLE>Pagetint によるテンプレート</TITLE>";
constexpr const char* Spacer = "<BR><BR><BR>";

void appendSamples(std::vector<std::string>& lines, const BodyColorSet& c)
{
    const char* texts[] = {"文字色 TEXT", "リンク色 LINK", "選択済リンク色 VLINK",
                           "クリック色 ALINK"};
    for (int slot = TEXT; slot <= ALINK; ++slot) {
        lines.push_back("<FONT COLOR=\"" + hexOf(c[static_cast<std::size_t>(slot)], true) + "\">" +
                        texts[slot - TEXT] + "</FONT>");
        lines.emplace_back(Spacer);
    }
}

std::vector<std::string> referenceBodyPage(const TemplateInput& in, bool preview)
{
    const BodyColorSet& c = in.colors;
    const auto word = [&](int slot) {
        return colorWord(c[static_cast<std::size_t>(slot)], in.useNames, true);
    };
    std::vector<std::string> lines = {"<HTML>", "<HEAD>", Title, "</HEAD>"};
    lines.push_back("<BODY" + (in.hasBackground ? backgroundAttribute(in.backgroundPath) : "") +
                    " BGCOLOR=\"" + word(BGCOLOR) + "\" TEXT=\"" + word(TEXT) + "\" LINK=\"" +
                    word(LINK) + "\" VLINK=\"" + word(VLINK) + "\" ALINK=\"" + word(ALINK) + "\">");
    if (preview) {
        lines.emplace_back(
            "<TABLE WIDTH=\"100%\" HEIGHT=\"100%\"><TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">");
        lines.push_back(std::string("<FONT size=5>") + (in.bold ? "<B>" : "") +
                        (in.italic ? "<I>" : ""));
    } else {
        lines.emplace_back("<P><CENTER><BR><BR>");
    }
    appendSamples(lines, c);
    if (preview) {
        lines.push_back(std::string(in.italic ? "</I>" : "") + (in.bold ? "</B>" : "") + "</FONT>");
        lines.emplace_back("</TD></TR></TABLE>");
    } else {
        lines.emplace_back("</CENTER></P>");
    }
    lines.emplace_back("</BODY>");
    lines.emplace_back("</HTML>");
    return lines;
}

std::vector<std::string> referenceCssPage(const TemplateInput& in)
{
    const BodyColorSet& c = in.colors;
    const auto word = [&](int slot) {
        return colorWord(c[static_cast<std::size_t>(slot)], in.useNames, false);
    };
    std::string background;
    if (in.hasBackground) {
        background = "  background: url(" + rewriteBackgroundPath(in.backgroundPath) + ");";
    } else {
        background = "  background: " + word(BGCOLOR) + ";";
    }
    std::vector<std::string> lines = {
        "<HTML>",
        "<HEAD>",
        Title,
        "<STYLE type=\"text/css\">",
        "<!--",
        "body {",
        background + " color: " + word(TEXT) + "; }",
        "A         { color: " + word(LINK) + "; }",
        "A:link    { color: " + word(LINK) + "; }",
        "A:visited { color: " + word(VLINK) + "; }",
        "A:active  { color: " + word(ALINK) + "; }",
        "-->",
        "</STYLE>",
        "</HEAD>",
        "<BODY>",
        "<P><CENTER><BR><BR>",
    };
    appendSamples(lines, c);
    lines.emplace_back("</CENTER></P>");
    lines.emplace_back("</BODY>");
    lines.emplace_back("</HTML>");
    return lines;
}

bool hasLineBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

void checkPage(const std::vector<std::string>& got, const std::vector<std::string>& expected,
               std::size_t lineCount, const char* page)
{
    check(got.size() == lineCount, "a page has its number of lines", page);
    check(got.size() == expected.size(), "a page has its number of lines", page);
    for (std::size_t i = 0; i < got.size(); ++i) {
        check(got[i] == expected[i], "every line is as the page layout states",
              std::string(page) + " line " + std::to_string(i + 1) + "\n  got      \"" +
                  escaped(got[i]) + "\"\n  expected \"" + escaped(expected[i]) + "\"");
        // The writer's caller ends each line with CR LF; a line break of the path is escaped.
        check(!hasLineBreak(got[i]), "no line break within a line",
              std::string(page) + " line " + std::to_string(i + 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    TemplateInput in;
    for (ColorValue& c : in.colors) {
        if (provider.ConsumeBool())
            c = NamedColorTable::row(provider.ConsumeIntegralInRange(0, NamedColorTable::Count - 1))
                    .value;
        else
            c = provider.ConsumeIntegral<std::uint32_t>() & fuzz::ColorMask;
    }
    in.useNames = provider.ConsumeBool();
    in.hasBackground = provider.ConsumeBool();
    in.bold = provider.ConsumeBool();
    in.italic = provider.ConsumeBool();
    in.backgroundPath = provider.ConsumeRemainingBytesAsString();

    const auto saved = WriteTemplate(in, false);
    const auto preview = WriteTemplate(in, true);
    const auto css = WriteCssTemplate(in);
    checkPage(saved, referenceBodyPage(in, false), 17, "saved template");
    checkPage(preview, referenceBodyPage(in, true), 19, "preview page");
    checkPage(css, referenceCssPage(in), 27, "CSS template");
    checkAddress(in.backgroundPath, rewriteBackgroundPath(in.backgroundPath));

    // The BODY line of a page is a BODY tag the paste command reads back exactly. With a
    // background, the path may hold anything ("BGCOLOR=", quotes), so only without one.
    if (!in.hasBackground) {
        const PasteResult pasted = parsePaste(saved[4]);
        check(pasted.kind == PasteResult::Kind::BodyColors && pasted.bodyColors == in.colors,
              "the BODY line reads back to its colours", escaped(saved[4]));
    }
    return 0;
}
