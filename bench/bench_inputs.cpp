#include "bench_inputs.h"

#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::string bodyTag(const BodyColorSet& colors)
{
    std::string tag = "<body";
    for (int slot = 0; slot < SlotCount; ++slot)
        tag += " " + std::string(SlotAttributeNames[slot]) + "=\"" + colorHex(colors[slot]) + '"';
    return tag + ">\n";
}

// One block of the page's head: a style rule, a script line, a comment and a meta tag, with quotes
// and '=' signs about, as real pages have them. None of it spells the tag's name.
std::string headBlock(int n)
{
    char block[512];
    std::snprintf(block, sizeof block,
                  "<style>.item-%05d { color: #%06X; margin: %dpx %dpx; font-family: \"Noto "
                  "Sans\", serif; }</style>\n"
                  "<script>var row%05d = { id: %d, title: \"Row %d\", visible: true };</script>\n"
                  "<!-- cell %d: width=\"%d\" align=center -->\n"
                  "<meta name=\"keywords-%d\" content=\"colour, link, text, %d\">\n",
                  n, (n * 2654435761u) & 0xFFFFFFu, n % 17, n % 23, n, n, n, n, 100 + n % 400, n,
                  n);
    return block;
}

// One block of a site's style sheet; none of its top-level rules is for body or links.
std::string sheetBlock(int n)
{
    char block[1024];
    const int written = std::snprintf(
        block, sizeof block,
        "/* Cards, block %d: \"quoted\" text, a { color: red } and url(x) in a comment */\n"
        ".card-%05d > .title, #nav-%d li:hover a { color: #%06x; margin: %dpx %dpx 0 auto; "
        "font: 14px/1.5 \"Noto Sans\", sans-serif; background: url(\"img/bg-%d.png\") "
        "no-repeat right top / 50%% auto; }\n"
        "@media (max-width: %dpx) { .card-%05d { display: none; padding: calc(1em + %dpx); } "
        "body { color: #%06x; } }\n"
        "%s",
        n, n, n % 40, (n * 2654435761u) & 0xFFFFFFu, n % 17, n % 23, n, 400 + n % 800, n, n % 9,
        (n * 40503u) & 0xFFFFFFu,
        n % 16 == 0 ? ":root { --space: 4px; --accent: #1e90ff; }\n" : "");
    return std::string(block, static_cast<std::size_t>(written));
}

} // namespace

std::string styleSheetWithBodyAtEnd(std::size_t totalBytes, const BodyColorSet& colors)
{
    const std::string tail = "body { background: " + colorHexLower(colors[BGCOLOR]) +
                             "; color: " + colorHexLower(colors[TEXT]) +
                             "; }\na:link { color: " + colorHexLower(colors[LINK]) +
                             "; }\na:visited { color: " + colorHexLower(colors[VLINK]) +
                             "; }\na:active { color: " + colorHexLower(colors[ALINK]) + "; }\n";
    std::string sheet;
    sheet.reserve(totalBytes);
    for (int n = 0;; ++n) {
        const std::string block = sheetBlock(n);
        if (sheet.size() + block.size() + tail.size() > totalBytes)
            break;
        sheet += block;
    }
    if (sheet.size() + tail.size() < totalBytes)
        sheet.append(totalBytes - sheet.size() - tail.size(), '\n');
    return sheet + tail;
}

std::string frameworkStyleSheet(int rules)
{
    std::string root = ":root, [data-theme=light] {\n";
    std::string dark = "[data-theme=dark] {\n  color-scheme: dark;\n";
    const char* const names[] = {"bg", "fg", "link", "visited", "active"};
    for (int slot = 0; slot < SlotCount; ++slot) {
        root += std::string("  --x-") + names[slot] + ": " + colorHexLower(DocumentColors[slot]) +
                ";\n";
        dark += std::string("  --x-") + names[slot] + ": " +
                colorHexLower(DocumentColors[slot] ^ 0xFFFFFFu) + ";\n";
    }
    for (int n = 0; n < 200; ++n) {
        char line[96];
        std::snprintf(line, sizeof line, "  --x-gray-%d: #%06x;\n  --x-space-%d: %dpx;\n", n,
                      (n * 2654435761u) & 0xFFFFFFu, n, n % 48);
        root += line;
        dark += line;
    }
    std::string sheet = root + "}\n" + dark + "}\n";
    for (int n = 0; n < rules; ++n) {
        char rule[256];
        std::snprintf(rule, sizeof rule,
                      ".btn-%d:hover, .btn-%d:focus-visible, .card-%d > .title { color: "
                      "var(--x-gray-%d); background-color: rgba(0, 0, 0, .%d); }\n%s",
                      n, n, n, n % 200, n % 10,
                      n % 50 == 0 ? "@media (min-width: 576px) { .col-sm { flex: 1 0 0%; } }\n"
                                  : "");
        sheet += rule;
    }
    return sheet + "body { background-color: var(--x-bg); color: var(--x-fg); }\n"
                   "a { color: var(--x-link); }\na:visited { color: var(--x-visited); }\n"
                   "a:hover { color: var(--x-active); }\n";
}

std::string htmlDocumentWithBodyAtEnd(std::size_t totalBytes, const BodyColorSet& colors)
{
    const std::string start =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<title>Sample page</title>\n";
    const std::string headEnd = "</head>\n";
    const std::string tail = bodyTag(colors) + "</html>\n";

    std::string page = start;
    page.reserve(totalBytes);
    const std::size_t closing = headEnd.size() + tail.size();
    for (int n = 0;; ++n) {
        const std::string block = headBlock(n);
        if (page.size() + block.size() + closing > totalBytes)
            break;
        page += block;
    }
    // The rest is blanks inside the head, so the tail still ends the page exactly.
    if (page.size() + closing < totalBytes)
        page.append(totalBytes - page.size() - closing, ' ');
    page += headEnd;
    page += tail;
    return page;
}

QString generatedSchemeName(int i)
{
    const QString number = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    switch (i % 4) {
    case 0:
        return QStringLiteral("Site ") + number;
    case 1:
        return QStringLiteral("配色") + number;
    case 2:
        return QStringLiteral("theme-") + number + QStringLiteral("-dark");
    default:
        return QStringLiteral("Ｗｅｂ ") + number;
    }
}

QStringList settingsFileLines(int schemeCount, bool sorted)
{
    if (schemeCount <= 0)
        return {};
    QStringList lines = {
        QStringLiteral("[Options]"),
        QStringLiteral("Position=0,0,0"),
        sorted ? QStringLiteral("Sort=1") : QStringLiteral("Sort=0"),
        QStringLiteral("Usename=0"),
        QStringLiteral("Coldq=0"),
        QStringLiteral("Usecss=0"),
        QStringLiteral("Digi16=0"),
        QStringLiteral("ImgViewer="),
        QStringLiteral("Font=\"ＭＳ Ｐゴシック\",11,0,0"),
        QString(),
        QStringLiteral("[Color Set]"),
    };
    // A fixed shuffle, so the stored order is not already the sorted one and every run
    // reads the same file.
    std::vector<int> order(static_cast<std::size_t>(schemeCount));
    std::iota(order.begin(), order.end(), 0);
    std::minstd_rand random(20240601);
    for (std::size_t i = order.size() - 1; i > 0; --i)
        std::swap(order[i], order[random() % (i + 1)]);
    for (const int i : order) {
        const auto c = static_cast<unsigned>(i) * 2654435761u;
        lines << QStringLiteral("%1=%2,%3,%4,%5,%6")
                     .arg(generatedSchemeName(i))
                     .arg(c & 0xFFFFFFu)
                     .arg((c >> 8) & 0xFFFFFFu)
                     .arg(16711680)
                     .arg(16776960)
                     .arg(16711935);
    }
    lines << QStringLiteral("_lastend_=8421376,16777215,16711680,16776960,16711935") << QString();
    return lines;
}
