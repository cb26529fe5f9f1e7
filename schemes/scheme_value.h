#pragma once

#include "body_colors.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

// Where the schemes live in the settings store.
inline constexpr QLatin1StringView SchemeSection{"Color Set"};
// The colours at the last exit share the section under this reserved key.
inline constexpr QLatin1StringView LastEndKey{"_lastend_"};
// The default the readers pass for a missing entry; never written.
inline constexpr QLatin1StringView NoneMarker{"none"};

// The five colours of a stored value "%d,%d,%d,%d,%d" (see scanIntegers), or
// nullopt when it does not begin with five integers. A hand-edited number
// outside 0..16777215 is reduced to its low 24 bits, negative ones as their
// 32-bit two's complement; a number beyond the int range makes the value unusable.
std::optional<BodyColorSet> readSchemeColors(const QString& value);

// "%d,%d,%d,%d,%d", each colour reduced to its low 24 bits.
QString schemeValueText(const BodyColorSet& colors);

// Whether a scheme name can be a key of the settings file and read back as the
// same name: no '=', no leading ';', no line break or NUL, and not the reserved
// exit-colour key in any case. Empty names are refused by the caller.
bool isStorableSchemeName(const QString& name);
