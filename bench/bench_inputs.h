#pragma once

#include "body_colors.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>

// The colours the generated BODY tag carries: the layout's teal, white, blue, aqua, fuchsia.
inline constexpr BodyColorSet DocumentColors = {rgbColor(0, 128, 128), rgbColor(255, 255, 255),
                                                rgbColor(0, 0, 255), rgbColor(0, 255, 255),
                                                rgbColor(255, 0, 255)};

// An HTML page of exactly `totalBytes` bytes whose only BODY tag (in any case) stands
// at its end, after a long head of style rules, scripts and comments, so that the
// paste parser has to go through all of it. The tag carries `colors` as quoted hex
// attributes and is followed only by "</html>" and a line end, never by "BODY" again.
// Pages shorter than the fixed head and tail are not made: the size grows to fit them.
std::string htmlDocumentWithBodyAtEnd(std::size_t totalBytes, const BodyColorSet& colors);

// A style sheet of exactly `totalBytes` bytes: rules for classes and ids, @media blocks (with a
// body rule inside), custom properties, comments, strings and url()s, and at its very end the
// top-level rules that give `colors`: body, then a:link, a:visited and a:active.
std::string styleSheetWithBodyAtEnd(std::size_t totalBytes, const BodyColorSet& colors);

// A framework-shaped sheet of about 140 bytes a rule: a :root block of custom properties and
// a dark one, `rules` component rules, and body and link rules that give DocumentColors in
// the light reading through those properties.
std::string frameworkStyleSheet(int rules);

// The name of the i-th generated scheme: four shapes (ASCII, kanji, lower-case with
// dashes, full-width letters), all different without regard to case, all storable.
QString generatedSchemeName(int i);

// The lines of a settings file as the program writes it: section "Options" (with
// "Sort" set as `sorted` says) and section "Color Set" holding `schemeCount` schemes
// in a shuffled order, then "_lastend_". Zero schemes gives no lines at all, that
// is an empty file.
QStringList settingsFileLines(int schemeCount, bool sorted);
