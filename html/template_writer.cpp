#include "template_writer.h"

#include "named_color_table.h"

namespace {

constexpr std::string_view TitleLine = "<TITLE>Pagetint によるテンプレート</TITLE>";
constexpr std::string_view Spacer = "<BR><BR><BR>";

constexpr bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Blanks and quotes end an unquoted url() or the attribute, parentheses end url(), "#" and
// "?" end the path, "%" starts an escape; control characters would break the line.
constexpr bool needsPercent(unsigned char c)
{
    return c <= 0x20 || c == 0x7F || c == '"' || c == '\'' || c == '(' || c == ')' || c == '#' ||
           c == '%' || c == '?';
}

// The attribute value is HTML: "&" would start a character reference there.
std::string attributeText(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if (c == '&')
            result += "&amp;";
        else
            result += c;
    }
    return result;
}

std::string fontColorLine(ColorValue c, std::string_view sample)
{
    return "<FONT COLOR=\"" + colorHex(c) + "\">" + std::string(sample) + "</FONT>";
}

// The four sample texts, each followed by a spacer line; always upper-case hex.
void appendSamples(std::vector<std::string>& lines, const BodyColorSet& colors)
{
    lines.push_back(fontColorLine(colors[TEXT], "文字色 TEXT"));
    lines.emplace_back(Spacer);
    lines.push_back(fontColorLine(colors[LINK], "リンク色 LINK"));
    lines.emplace_back(Spacer);
    lines.push_back(fontColorLine(colors[VLINK], "選択済リンク色 VLINK"));
    lines.emplace_back(Spacer);
    lines.push_back(fontColorLine(colors[ALINK], "クリック色 ALINK"));
    lines.emplace_back(Spacer);
}

std::string bodyLine(const TemplateInput& in)
{
    std::string background;
    if (in.hasBackground)
        background =
            " BACKGROUND=\"" + attributeText(rewriteBackgroundPath(in.backgroundPath)) + "\"";
    auto text = [&](ColorValue c) { return in.useNames ? WebColorName(c) : colorHex(c); };
    return "<BODY" + background + " BGCOLOR=\"" + text(in.colors[BGCOLOR]) + "\" TEXT=\"" +
           text(in.colors[TEXT]) + "\" LINK=\"" + text(in.colors[LINK]) + "\" VLINK=\"" +
           text(in.colors[VLINK]) + "\" ALINK=\"" + text(in.colors[ALINK]) + "\">";
}

} // namespace

std::string rewriteBackgroundPath(std::string_view path)
{
    constexpr char Hex[] = "0123456789ABCDEF";
    const bool drive = path.size() >= 2 && isLetter(path[0]) && path[1] == ':';
    std::string text;
    text.reserve(path.size() + 1);
    if (drive)
        text.push_back('/');
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\\') {
            text.push_back('/');
        } else if (drive && i == 1) {
            // File addresses write a drive letter's colon as "|"; any other colon stays.
            text.push_back('|');
        } else if (needsPercent(c)) {
            text.push_back('%');
            text.push_back(Hex[c >> 4]);
            text.push_back(Hex[c & 0xF]);
        } else {
            text.push_back(static_cast<char>(c));
        }
    }
    return text;
}

std::vector<std::string> WriteTemplate(const TemplateInput& in, bool preview)
{
    std::vector<std::string> lines = {"<HTML>", "<HEAD>", std::string(TitleLine), "</HEAD>",
                                      bodyLine(in)};
    if (preview) {
        lines.emplace_back("<TABLE WIDTH=\"100%\" HEIGHT=\"100%\"><TR><TD ALIGN=\"CENTER\" "
                           "VALIGN=\"MIDDLE\">");
        lines.push_back(std::string("<FONT size=5>") + (in.bold ? "<B>" : "") +
                        (in.italic ? "<I>" : ""));
    } else {
        lines.emplace_back("<P><CENTER><BR><BR>");
    }
    appendSamples(lines, in.colors);
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

namespace {

// The body and link rules of one colour set, six lines.
void appendCssRules(std::vector<std::string>& lines, const TemplateInput& in, const BodyColorSet& c)
{
    // Names where chosen (other colours fall back to upper-case hex), else lower-case hex.
    auto text = [&](ColorValue color) {
        return in.useNames ? WebColorName(color) : colorHexLower(color);
    };
    // With an image the background colour is left out of the rule altogether.
    const std::string background =
        in.hasBackground ? "  background: url(" + rewriteBackgroundPath(in.backgroundPath) + ");"
                         : "  background: " + text(c[BGCOLOR]) + ";";
    lines.emplace_back("body {");
    lines.push_back(background + " color: " + text(c[TEXT]) + "; }");
    lines.push_back("A         { color: " + text(c[LINK]) + "; }");
    lines.push_back("A:link    { color: " + text(c[LINK]) + "; }");
    lines.push_back("A:visited { color: " + text(c[VLINK]) + "; }");
    lines.push_back("A:active  { color: " + text(c[ALINK]) + "; }");
}

} // namespace

std::vector<std::string> WriteCssTemplate(const TemplateInput& in)
{
    std::vector<std::string> lines = {"<HTML>", "<HEAD>", std::string(TitleLine)};
    // Tells the browser, before it paints, that the page draws in both schemes.
    if (in.dark)
        lines.emplace_back("<META NAME=\"color-scheme\" CONTENT=\"light dark\">");
    lines.emplace_back("<STYLE type=\"text/css\">");
    lines.emplace_back("<!--");
    appendCssRules(lines, in, in.colors);
    if (in.dark) {
        lines.emplace_back("@media (prefers-color-scheme: dark) {");
        appendCssRules(lines, in, *in.dark);
        lines.emplace_back("}");
    }
    for (const char* line : {"-->", "</STYLE>", "</HEAD>", "<BODY>", "<P><CENTER><BR><BR>"})
        lines.emplace_back(line);
    appendSamples(lines, in.colors);
    lines.emplace_back("</CENTER></P>");
    lines.emplace_back("</BODY>");
    lines.emplace_back("</HTML>");
    return lines;
}
