#include "template_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// #FFFFEE and #333333 have no name; blue, cyan and magenta do.
constexpr BodyColorSet kColors = {0xEEFFFF, 0x333333, 0xFF0000, 0xFFFF00, 0xFF00FF};
constexpr const char* kTilePath = "D:\\pics\\tile.png";

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TemplateInput input(bool useNames, bool background, bool bold = false, bool italic = false)
{
    return {kColors, useNames, background, background ? kTilePath : "", bold, italic, {}};
}

// Pieces of the expected pages, written out by hand.
const std::string kHead = "<HTML>\n<HEAD>\n<TITLE>Pagetint によるテンプレート</TITLE>\n";
const std::string kBodyHex =
    R"(BGCOLOR="#FFFFEE" TEXT="#333333" LINK="#0000FF" VLINK="#00FFFF" ALINK="#FF00FF">)"
    "\n";
const std::string kBodyNames =
    R"(BGCOLOR="#FFFFEE" TEXT="#333333" LINK="blue" VLINK="cyan" ALINK="magenta">)"
    "\n";
const std::string kBackground = R"( BACKGROUND="/D|/pics/tile.png")";
const std::string kSamples = "<FONT COLOR=\"#333333\">文字色 TEXT</FONT>\n<BR><BR><BR>\n"
                             "<FONT COLOR=\"#0000FF\">リンク色 LINK</FONT>\n<BR><BR><BR>\n"
                             "<FONT COLOR=\"#00FFFF\">選択済リンク色 VLINK</FONT>\n<BR><BR><BR>\n"
                             "<FONT COLOR=\"#FF00FF\">クリック色 ALINK</FONT>\n<BR><BR><BR>\n";
const std::string kSavedMiddle = "<P><CENTER><BR><BR>\n" + kSamples + "</CENTER></P>\n";
const std::string kTable =
    R"(<TABLE WIDTH="100%" HEIGHT="100%"><TR><TD ALIGN="CENTER" VALIGN="MIDDLE">)"
    "\n";
const std::string kTail = "</BODY>\n</HTML>\n";
const std::string kCssHexRules = "A         { color: #0000ff; }\nA:link    { color: #0000ff; }\n"
                                 "A:visited { color: #00ffff; }\nA:active  { color: #ff00ff; }\n";
const std::string kCssNameRules = "A         { color: blue; }\nA:link    { color: blue; }\n"
                                  "A:visited { color: cyan; }\nA:active  { color: magenta; }\n";

std::string cssPage(const std::string& line7, const std::string& rules)
{
    return kHead + "<STYLE type=\"text/css\">\n<!--\nbody {\n" + line7 + "\n" + rules +
           "-->\n</STYLE>\n</HEAD>\n<BODY>\n" + kSavedMiddle + kTail;
}

} // namespace

TEST(TemplateWriter, BodyPagesMatchByteForByte)
{
    const struct {
        const char* label;
        TemplateInput in;
        bool preview;
        std::string expected;
    } cases[] = {
        {"saved hex", input(false, false), false,
         kHead + "</HEAD>\n<BODY " + kBodyHex + kSavedMiddle + kTail},
        {"saved hex, image", input(false, true), false,
         kHead + "</HEAD>\n<BODY" + kBackground + " " + kBodyHex + kSavedMiddle + kTail},
        {"saved names", input(true, false), false,
         kHead + "</HEAD>\n<BODY " + kBodyNames + kSavedMiddle + kTail},
        {"saved names, image", input(true, true), false,
         kHead + "</HEAD>\n<BODY" + kBackground + " " + kBodyNames + kSavedMiddle + kTail},
        {"preview regular", input(false, false), true,
         kHead + "</HEAD>\n<BODY " + kBodyHex + kTable + "<FONT size=5>\n" + kSamples +
             "</FONT>\n</TD></TR></TABLE>\n" + kTail},
        {"preview regular, image", input(false, true), true,
         kHead + "</HEAD>\n<BODY" + kBackground + " " + kBodyHex + kTable + "<FONT size=5>\n" +
             kSamples + "</FONT>\n</TD></TR></TABLE>\n" + kTail},
        {"preview bold italic", input(true, false, true, true), true,
         kHead + "</HEAD>\n<BODY " + kBodyNames + kTable + "<FONT size=5><B><I>\n" + kSamples +
             "</I></B></FONT>\n</TD></TR></TABLE>\n" + kTail},
        {"preview bold italic, image", input(false, true, true, true), true,
         kHead + "</HEAD>\n<BODY" + kBackground + " " + kBodyHex + kTable +
             "<FONT size=5><B><I>\n" + kSamples + "</I></B></FONT>\n</TD></TR></TABLE>\n" + kTail},
        {"preview bold", input(false, false, true, false), true,
         kHead + "</HEAD>\n<BODY " + kBodyHex + kTable + "<FONT size=5><B>\n" + kSamples +
             "</B></FONT>\n</TD></TR></TABLE>\n" + kTail},
        {"preview italic", input(false, false, false, true), true,
         kHead + "</HEAD>\n<BODY " + kBodyHex + kTable + "<FONT size=5><I>\n" + kSamples +
             "</I></FONT>\n</TD></TR></TABLE>\n" + kTail},
        // The saved page ignores the preview font.
        {"saved, bold italic font", input(false, false, true, true), false,
         kHead + "</HEAD>\n<BODY " + kBodyHex + kSavedMiddle + kTail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto lines = WriteTemplate(c.in, c.preview);
        EXPECT_EQ(lines.size(), c.preview ? 19u : 17u);
        EXPECT_EQ(joined(lines), c.expected);
    }
}

TEST(TemplateWriter, CssPagesMatchByteForByte)
{
    const struct {
        const char* label;
        TemplateInput in;
        std::string expected;
    } cases[] = {
        {"css hex", input(false, false),
         cssPage("  background: #ffffee; color: #333333; }", kCssHexRules)},
        {"css hex, image", input(false, true),
         cssPage("  background: url(/D|/pics/tile.png); color: #333333; }", kCssHexRules)},
        {"css names", input(true, false),
         cssPage("  background: #FFFFEE; color: #333333; }", kCssNameRules)},
        {"css names, image", input(true, true, true, true),
         cssPage("  background: url(/D|/pics/tile.png); color: #333333; }", kCssNameRules)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto lines = WriteCssTemplate(c.in);
        EXPECT_EQ(lines.size(), 27u);
        EXPECT_EQ(joined(lines), c.expected);
    }
}

TEST(TemplateWriter, CssStyleLinesFollowTheirOwnColours)
{
    const struct {
        const char* label;
        TemplateInput in;
        std::vector<std::string> styleLines;
    } cases[] = {
        {"black text, image",
         {{0xFFFFFF, 0, 0, 0, 0}, false, true, kTilePath, false, false, {}},
         {"  background: url(/D|/pics/tile.png); color: #000000; }",
          "A         { color: #000000; }", "A:link    { color: #000000; }",
          "A:visited { color: #000000; }", "A:active  { color: #000000; }"}},
        {"named colours",
         {{0xFFFFFF, 0, 0xD2FAFA, 0x800080, 0x0000FF}, true, false, "", false, false, {}},
         {"  background: white; color: black; }", "A         { color: lightgoldenrodyellow; }",
          "A:link    { color: lightgoldenrodyellow; }", "A:visited { color: purple; }",
          "A:active  { color: red; }"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const auto lines = WriteCssTemplate(c.in);
        ASSERT_EQ(lines.size(), 27u);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 11), c.styleLines);
    }
}

TEST(TemplateWriter, BackgroundPathsAreRewritten)
{
    const std::string longName(997, 'a');
    const struct {
        std::string path;
        std::string rewritten;
    } cases[] = {
        {"C:\\web\\img\\back.gif", "/C|/web/img/back.gif"},
        {kTilePath, "/D|/pics/tile.png"},
        {"d:pics.png", "/d|pics.png"},
        {"\\\\server\\share\\a.png", "//server/share/a.png"},
        {"/home/user/back.png", "/home/user/back.png"},
        {"images\\back.png", "images/back.png"},
        {"", ""},
        {"C:", "/C|"},
        {"1:\\back.png", "1:/back.png"},
        {"file:C:\\a.png", "file:C:/a.png"},
        {"c:/mixed\\a:b.png", "/c|/mixed/a:b.png"},
        {"E:\\写真\\背景.png", "/E|/写真/背景.png"},
        {"\xC3\xA9:\\x.png", "\xC3\xA9:/x.png"},
        {"/srv/my (1) #bg.png", "/srv/my%20%281%29%20%23bg.png"},
        {"C:\\it's \"q\"\\100%?.png", "/C|/it%27s%20%22q%22/100%25%3F.png"},
        {"/a\tb\x7F\r\n", "/a%09b%7F%0D%0A"},
        {"/x|y:z&[]~!$+,;=@.png", "/x|y:z&[]~!$+,;=@.png"},
        {"C:\\" + longName, "/C|/" + longName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(rewriteBackgroundPath(c.path), c.rewritten);
    }
}

TEST(TemplateWriter, LongBackgroundPathIsKeptWhole)
{
    const std::string longName(1000, 'b');
    TemplateInput in = input(false, true);
    in.backgroundPath = longName;
    EXPECT_EQ(WriteTemplate(in, false)[4],
              "<BODY BACKGROUND=\"" + longName + "\" " + kBodyHex.substr(0, kBodyHex.size() - 1));
    EXPECT_EQ(WriteCssTemplate(in)[6], "  background: url(" + longName + "); color: #333333; }");
}

// What a browser loads for the page's background: the address resolved against the page's.
QString loadedPath(const QString& page, const std::string& address)
{
    return QUrl::fromLocalFile(page).resolved(QUrl(QString::fromStdString(address))).toLocalFile();
}

std::string between(const std::string& text, const std::string& open, char close)
{
    const std::size_t start = text.find(open) + open.size();
    return text.substr(start, text.find(close, start) - start);
}

TEST(TemplateWriter, BackgroundFileOfAnyNameIsTheOneThePageLoads)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath(QStringLiteral("page.html"));
    const char* names[] = {"my (1) #bg.png",  "it's \"q\".png",  "100% sure?.png",
                           "tab\tline\n.png", "a&not.png",       "x:y|z.png",
                           "写真 背景.png",   "plain-name_1.png"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        TemplateInput in = input(false, true);
        in.backgroundPath = path.toStdString();

        std::string attribute = between(WriteTemplate(in, false)[4], "BACKGROUND=\"", '"');
        // A character reference would change the address; only "&amp;" may stand there.
        std::ptrdiff_t references = 0;
        for (std::size_t at = 0; (at = attribute.find("&amp;", at)) != std::string::npos; ++at) {
            attribute.replace(at, 5, "&");
            ++references;
        }
        EXPECT_EQ(std::count(attribute.begin(), attribute.end(), '&'), references);
        EXPECT_EQ(loadedPath(page, attribute), path);

        const std::string url = between(WriteCssTemplate(in)[6], "url(", ')');
        EXPECT_EQ(loadedPath(page, url), path);
        EXPECT_TRUE(QFileInfo::exists(loadedPath(page, url)));
    }
    TemplateInput in = input(false, true);
    in.backgroundPath = dir.filePath(QStringLiteral("plain-name_1.png")).toStdString();
    EXPECT_EQ(between(WriteCssTemplate(in)[6], "url(", ')'), in.backgroundPath)
        << "an ordinary path keeps its bytes";
}

TEST(TemplateWriter, CssPageWithADarkSetAddsTheSchemeLineAndADarkBlock)
{
    TemplateInput in = input(false, false);
    in.dark = BodyColorSet{0x202020, 0xE0E0E0, 0xFFA050, 0xC080FF, 0x8080FF};
    const std::string darkRules = "@media (prefers-color-scheme: dark) {\nbody {\n"
                                  "  background: #202020; color: #e0e0e0; }\n"
                                  "A         { color: #50a0ff; }\nA:link    { color: #50a0ff; }\n"
                                  "A:visited { color: #ff80c0; }\nA:active  { color: #ff8080; }\n"
                                  "}\n";
    const std::string light = cssPage("  background: #ffffee; color: #333333; }", kCssHexRules);
    const std::string::size_type style = light.find("<STYLE");
    const std::string::size_type end = light.find("-->");
    const auto lines = WriteCssTemplate(in);
    EXPECT_EQ(lines.size(), 36u);
    EXPECT_EQ(joined(lines), light.substr(0, style) +
                                 "<META NAME=\"color-scheme\" CONTENT=\"light dark\">\n" +
                                 light.substr(style, end - style) + darkRules + light.substr(end));
    // The BODY-attribute pages write the colours they are given and nothing of the dark set.
    EXPECT_EQ(WriteTemplate(in, false), WriteTemplate(input(false, false), false));
}
