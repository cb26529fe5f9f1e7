#pragma once

#include "color_value.h"

class QWidget;

// The colours of the swatch and the preview as descriptions a screen reader announces.
// The description "#RRGGBB name" (the name where the colour has one); a change raises the
// event that makes a reader say it again.
void describeColor(QWidget* widget, ColorValue color);
