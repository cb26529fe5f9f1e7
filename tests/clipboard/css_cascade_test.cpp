// The cascade over html > body > p > a: what each sheet gives in the light and the dark
// reading, as headless Chromium draws the same document (BGCOLOR TEXT LINK VLINK ALINK).
#include "css_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CascadeCase {
    const char* sheet;
    const char* light;
    const char* dark; // nullptr: as the light reading
};

constexpr const char* Browser = "#FFFFFF #000000 #0000EE #551A8B #FF0000";
constexpr const char* Red = "#FFFFFF #FF0000 #0000EE #551A8B #FF0000";
constexpr const char* Blue = "#FFFFFF #0000FF #0000EE #551A8B #FF0000";

const CascadeCase kSelectors[] = {
    {":where(:root) body { color: red }", Red, nullptr},
    {"html, :host { color: red }", Red, nullptr},
    {"body:not(.x):has(> p a) { color: red }", Red, nullptr},
    {"body:has(+ p), body:hover, body::before, body > a, #x body, [title] body { color: red }",
     Browser, nullptr},
    {"body:unknown, body { color: red }", Browser, nullptr},
    {":is(body:unknown, body) { color: red }", Red, nullptr},
    {"a:nth-child(2n + 1), body:nth-child(-n + 3) { color: red }",
     "#FFFFFF #FF0000 #FF0000 #FF0000 #FF0000", nullptr},
    {"a:nth-child(1e30), body { color: red }", Browser, nullptr},
    {"a:hover { color: red }", "#FFFFFF #000000 #0000EE #551A8B #FF0000", nullptr},
    {"a:focus { color: lime } a:visited { color: red }", "#FFFFFF #000000 #0000EE #FF0000 #00FF00",
     nullptr},
    {"a[href]:any-link { color: lime }", "#FFFFFF #000000 #00FF00 #00FF00 #00FF00", nullptr},
    {".dark body, [data-bs-theme=dark] p a:nth-child(1) { color: red }", Browser,
     "#FFFFFF #FF0000 #FF0000 #FF0000 #FF0000"},
    {"body.x, html body { color: red } body { color: blue }", Red, nullptr},
    {":where(html) body { color: red } body { color: blue }", Blue, nullptr},
    {":is(#x, body) { color: red } html body { color: blue }", Red, nullptr},
};

const CascadeCase kOrder[] = {
    {"body { color: red !important } body { color: blue }", Red, nullptr},
    {"body { color: blue } @layer a { body { color: red } }", Blue, nullptr},
    {"@layer b, a; @layer a { body { color: red } } @layer b { body { color: blue } }", Red,
     nullptr},
    {"@layer a { body { color: red !important } } body { color: blue !important }", Red, nullptr},
    {"@layer a { body { color: red } } @layer b { body { color: revert-layer } }", Red, nullptr},
    {"@layer { body { color: red } } @layer { body { color: blue } }", Blue, nullptr},
    {"body { color: red } body { color: revert }", Browser, nullptr},
    {"body { color: red; & p { color: blue } } p { a { color: lime } }",
     "#FFFFFF #FF0000 #00FF00 #00FF00 #00FF00", nullptr},
    {"body { color: red; @media (min-width: 2000px) { color: blue } }", Red, nullptr},
};

const CascadeCase kConditions[] = {
    {"@media (prefers-color-scheme: dark) { body { color: red } }", Browser, Red},
    {"@media print { body { color: red } } @media only screen and (min-width: 1000px) { body { "
     "color: blue } }",
     Blue, nullptr},
    {"@media (width < 1000px) { body { color: red } }", Browser, nullptr},
    {"@media (400px <= width <= 80em) and (orientation: landscape) { body { color: red } }", Red,
     nullptr},
    {"@media not all and (hover: none) { body { color: red } }", Red, nullptr},
    {"@media (prefers-reduced-motion: reduce), (pointer: fine) { body { color: red } }", Red,
     nullptr},
    {"@media (unknown-feature) { body { color: red } }", Browser, nullptr},
    {"@supports (color: oklch(50% 0.1 200)) and (not selector(:has(a))) { body { color: red } }",
     Browser, nullptr},
    {"@supports (display: flex) or (--x: 1) { body { color: red } }", Red, nullptr},
    {"@container (min-width: 1px) { body { color: red } } @scope (html) { body { color: red } }",
     Browser, nullptr},
};

const CascadeCase kValues[] = {
    {":root{--bg:white} .dark{--bg:black} body{background:var(--bg)}",
     "#FFFFFF #000000 #0000EE #551A8B #FF0000", "#000000 #000000 #0000EE #551A8B #FF0000"},
    {"a:hover { --c: red } a:visited { --c: lime } a { color: var(--c, blue) }",
     "#FFFFFF #000000 #0000FF #0000FF #FF0000", nullptr},
    {"body { --c: red; color: var(--c) } p { --c: blue } a { color: var(--c) }",
     "#FFFFFF #FF0000 #0000FF #0000FF #0000FF", nullptr},
    {"body { color: red } p { color: var(--missing) } a { color: inherit }",
     "#FFFFFF #FF0000 #FF0000 #FF0000 #FF0000", nullptr},
    {"body { color: light-dark(red, blue) }", Red, nullptr},
    {":root { color-scheme: light dark } body { color: light-dark(red, blue) }", Red,
     "#121212 #0000FF #9E9EFF #D0ADF0 #FF9E9E"},
    {":root { color-scheme: dark }", "#121212 #FFFFFF #9E9EFF #D0ADF0 #FF9E9E", nullptr},
    {"html { background: red } body { background: blue; color: CanvasText }",
     "#FF0000 #000000 #0000EE #551A8B #FF0000", nullptr},
    {"body { color: lime; background: url(x.png) currentcolor }",
     "#00FF00 #00FF00 #0000EE #551A8B #FF0000", nullptr},
    {"html { background: transparent } body { background-color: rgb(0 0 255 / 50%) }",
     "#8080FF #000000 #0000EE #551A8B #FF0000", nullptr},
    // The shape of Bootstrap 5.3's colour modes and links.
    {":root, [data-bs-theme=light] { --bs-body-bg: #fff; --bs-body-color: #212529; "
     "--bs-link-color-rgb: 13, 110, 253; --bs-link-hover-color-rgb: 10, 88, 202 }\n"
     "[data-bs-theme=dark] { color-scheme: dark; --bs-body-bg: #212529; --bs-body-color: "
     "#dee2e6; --bs-link-color-rgb: 110, 168, 254; --bs-link-hover-color-rgb: 139, 185, 254 }\n"
     "body { color: var(--bs-body-color); background-color: var(--bs-body-bg) }\n"
     "a { color: rgba(var(--bs-link-color-rgb), var(--bs-link-opacity, 1)) }\n"
     "a:hover { --bs-link-color-rgb: var(--bs-link-hover-color-rgb) }",
     "#FFFFFF #212529 #0D6EFD #0D6EFD #0A58CA", "#212529 #DEE2E6 #6EA8FE #6EA8FE #8BB9FE"},
    // A page: its <style>, the style attribute over every rule, the attributes as hints.
    {"<HTML><head><style>a:visited { color: red }</style><!-- <style>a{color:red}</style> -->"
     "</head><Body BGCOLOR=chucknorris text=black link='#00f' vlink=\"purple\" "
     "style=\"color: &#x6c;ime\">",
     "#C00000 #00FF00 #0000FF #FF0000 #0000FF", nullptr},
    // A numeric reference is its digits whole, or it stands as written.
    {"<body style=\"color: red&#1a;\">", Browser, nullptr},
    // The style attributes outlive the tags they were read from.
    {"<html style='background: #123456'><meta name=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
     "content=bbbbbbbbbbbbbbbbbbbbbbbbbbbbb><body style='color: #abcdef'><p title=cccccccccccccc>",
     "#123456 #ABCDEF #0000EE #551A8B #FF0000", nullptr},
    // Bytes no attribute name starts with are still part of one.
    {"<body \"x\" <y \x01 style='color: #abcdef'>", "#FFFFFF #ABCDEF #0000EE #551A8B #FF0000",
     nullptr},
};

std::string hexes(const CssReading& r)
{
    std::string s;
    for (const ColorValue c : r.colors)
        s += (s.empty() ? "" : " ") + colorHex(c);
    return s;
}

void expectReadings(const CascadeCase* rows, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const CascadeCase& c = rows[i];
        SCOPED_TRACE(c.sheet);
        const CssPasteResult r = readCssPaste(c.sheet);
        EXPECT_EQ(hexes(r.light), c.light);
        EXPECT_EQ(hexes(r.dark), c.dark ? c.dark : c.light);
        EXPECT_EQ(r.hasDarkScheme, c.dark != nullptr);
    }
}

} // namespace

TEST(CssCascade, SelectorsMatchTheDocumentWithTheirSpecificity)
{
    expectReadings(kSelectors, std::size(kSelectors));
}

TEST(CssCascade, OrderFollowsImportanceLayersSpecificityAndPlace)
{
    expectReadings(kOrder, std::size(kOrder));
}

TEST(CssCascade, MediaAndSupportsAnswerForADesktopScreen)
{
    expectReadings(kConditions, std::size(kConditions));
}

TEST(CssCascade, ValuesInheritAndResolveInTheirScope)
{
    expectReadings(kValues, std::size(kValues));
}

TEST(CssCascade, OnlySlotsAnAuthorDecidesAreApplied)
{
    const CssPasteResult visited = readCssPaste("a:visited { color: #123456 }");
    EXPECT_EQ(visited.kind, CssPasteResult::Kind::SlotColors);
    const std::optional<ColorValue> none;
    EXPECT_EQ(visited.slotColors, (std::array<std::optional<ColorValue>, SlotCount>{
                                      none, none, none, swapWebOrder(0x123456), none}));
    // A colour the root element inherits is the author's too.
    const CssPasteResult inherited = readCssPaste(":root { color: #123456 }");
    EXPECT_EQ(inherited.slotColors, (std::array<std::optional<ColorValue>, SlotCount>{
                                        none, swapWebOrder(0x123456), none, none, none}));
    const CssPasteResult linked =
        readCssPaste("<link rel=\"stylesheet\" href=\"site.css\"><body class=\"home\">");
    EXPECT_EQ(linked.kind, CssPasteResult::Kind::Nothing);
    EXPECT_EQ(linked.stylesheetHref, "site.css");
}
