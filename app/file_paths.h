#pragma once

#include "settings_place.h"

#include <QString>

// A path with the extension of its file name replaced by ext (".ini", ".chm");
// a name without an extension gets ext appended.
QString replaceExtension(const QString& path, const QString& ext);

// Font sizes are kept in points at 96 dots per inch, as the settings file stores them.
int pointsFromPixels(int pixels);
int pixelsFromPoints(int points);

// The left edge that centres a label of labelWidth on a panel of clientWidth.
constexpr int centredLabelLeft(int clientWidth, int labelWidth)
{
    return (clientWidth - labelWidth) / 2 + 4;
}

// The places the settings file can live, as they are now: the one beside the executable
// and the user's own in configFolder (none when it is empty).
SettingsFacts observeSettingsPlaces(const QString& executable, const QString& configFolder);
