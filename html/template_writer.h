#pragma once

#include "body_colors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TemplateInput {
    BodyColorSet colors{};
    bool useNames = false;      // colour names in the BODY attributes and the CSS rules
    bool hasBackground = false; // a background image is set
    std::string backgroundPath; // UTF-8, any length
    bool bold = false;          // the preview label's font; read by the preview page only
    bool italic = false;
    // The dark counterpart; only the CSS page writes it, for a browser's dark scheme.
    std::optional<BodyColorSet> dark;
};

// A path as the pages reference it, a file address relative to the page's own:
// "C:\web\back.gif" -> "/C|/web/back.gif", "\\server\share\a.png" -> "//server/share/a.png",
// "/home/me/my (1) #bg.png" -> "/home/me/my%20%281%29%20%23bg.png". Only the characters that
// would end or break the address in a page are percent-encoded; all others keep their bytes.
std::string rewriteBackgroundPath(std::string_view path);

// The page with the colours as BODY attributes: 17 lines saved, 19 for the browser preview.
// Lines are UTF-8 and carry no line end; the caller encodes them and ends each with CR LF.
std::vector<std::string> WriteTemplate(const TemplateInput& in, bool preview);

// The page with the colours in a style block: 27 lines, in the same form as above. With a
// dark set, a color-scheme META line in the head and, after the rules of the light colours,
// the same rules with the dark colours inside a dark-scheme media block: 36 lines.
std::vector<std::string> WriteCssTemplate(const TemplateInput& in);
