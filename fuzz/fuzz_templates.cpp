// The template pages for any colours, options and background path: every line as the page
// layout states it, line breaks only where the path brings them, colour attributes that
// name their own colour in words a browser knows, and a BODY line the paste command reads
// back.

#include "fuzz_support.h"
#include "named_color_table.h"
#include "paste_parser.h"
#include "template_writer.h"

#include <fuzzer/FuzzedDataProvider.h>

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

// The background attribute as the page rule builds it: the path between quotes, behind a
// "/" when it starts with a drive letter, then every backslash made a slash and the last
// colon a bar, in the whole attribute text.
std::string backgroundAttribute(std::string_view path)
{
    const bool drive = path.size() >= 2 &&
                       fuzz::isAsciiLetter(static_cast<unsigned char>(path[0])) && path[1] == ':';
    std::string text =
        std::string(" BACKGROUND=\"") + (drive ? "/" : "") + std::string(path) + "\"";
    for (char& c : text) {
        if (c == '\\')
            c = '/';
    }
    if (const std::size_t colon = text.find_last_of(':'); colon != std::string::npos)
        text[colon] = '|';
    return text;
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
        // The same rewriting as the attribute, without its quotes.
        const std::string attribute = backgroundAttribute(in.backgroundPath);
        const std::string prefix = " BACKGROUND=\"";
        background = "  background: url(" +
                     attribute.substr(prefix.size(), attribute.size() - prefix.size() - 1) + ");";
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
               std::size_t lineCount, std::size_t pathLine, const TemplateInput& in,
               const char* page)
{
    check(got.size() == lineCount, "a page has its number of lines", page);
    check(got.size() == expected.size(), "a page has its number of lines", page);
    const bool pathBreaks = in.hasBackground && hasLineBreak(in.backgroundPath);
    for (std::size_t i = 0; i < got.size(); ++i) {
        check(got[i] == expected[i], "every line is as the page layout states",
              std::string(page) + " line " + std::to_string(i + 1) + "\n  got      \"" +
                  escaped(got[i]) + "\"\n  expected \"" + escaped(expected[i]) + "\"");
        // The writer's caller ends each line with CR LF; only a path with a line break in
        // it can add more, and only on the line that holds the path.
        check(hasLineBreak(got[i]) == (pathBreaks && i == pathLine),
              "line breaks come only from the background path",
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
    checkPage(saved, referenceBodyPage(in, false), 17, 4, in, "saved template");
    checkPage(preview, referenceBodyPage(in, true), 19, 4, in, "preview page");
    checkPage(css, referenceCssPage(in), 27, 6, in, "CSS template");

    const std::string rewritten = rewriteBackgroundPath(in.backgroundPath);
    check(rewritten.find('\\') == std::string::npos, "a rewritten path has no backslash");
    check(backgroundAttribute(in.backgroundPath) == " BACKGROUND=\"" + rewritten + "\"",
          "rewriting the path alone equals rewriting the attribute", escaped(in.backgroundPath));

    // The BODY line of a page is a BODY tag the paste command reads back exactly. With a
    // background, the path may hold anything ("BGCOLOR=", quotes), so only without one.
    if (!in.hasBackground) {
        const PasteResult pasted = parsePaste(saved[4]);
        check(pasted.kind == PasteResult::Kind::BodyColors && pasted.bodyColors == in.colors,
              "the BODY line reads back to its colours", escaped(saved[4]));
    }
    return 0;
}
