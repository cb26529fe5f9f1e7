#pragma once

#include "layout_helpers.h"
#include "main_window_texts.h"

#include <QFont>

// The main window's client area, in pixels.
constexpr int ClientWidth = 589;
constexpr int ClientHeight = 286;

// The face of the program's other windows: the layout's at its size.
inline QFont uiFont()
{
    return pixelFont(MainTexts::UiFontFamily, 12);
}
