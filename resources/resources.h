#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own pictures, from the compiled-in resources.
namespace Resources {
// "SPOITCURSOR": the pipette, enlarged by whole pixels for a screen with `scale`, with its hot
// spot inside the tip's enlarged pixel.
QCursor spoitCursor(qreal scale = 1);
QCursor handPointCursor(); // "HANDPOINT": pointing hand, hot spot at the fingertip
QIcon programIcon();
QPixmap colorDialogPicture(); // the colour dialog button
QPixmap pipettePicture();     // the eyedropper button
} // namespace Resources
