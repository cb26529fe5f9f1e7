#pragma once

#include "body_colors.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

// The dark counterparts of the schemes live in a section of their own, keyed by the
// scheme's name (and "_lastend_" for the dark set at close), so a program that knows only
// "Color Set" reads the file as before.
inline constexpr QLatin1StringView DarkSchemeSection{"Color Set Dark"};

// The five dark colours of a stored value: exactly five decimal numbers 0..16777215
// separated by single commas, as darkSchemeValueText writes them. Anything else is a
// damaged line (nullopt): only this program writes the section, so it reads it strictly.
std::optional<BodyColorSet> readDarkSchemeColors(const QString& value);

// "%d,%d,%d,%d,%d", each colour reduced to its low 24 bits, as "Color Set" writes them.
QString darkSchemeValueText(const BodyColorSet& colors);
