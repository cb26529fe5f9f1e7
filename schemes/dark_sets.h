#pragma once

#include "body_colors.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

class SettingsStore;

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

// Drops each dark line whose value is damaged or whose scheme has no line in "Color Set"
// (the exit colours' "_lastend_" included), so that such a line is neither loaded nor
// written back. Returns how many were dropped.
int dropStaleDarkLines(SettingsStore& store);
