#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's own pictures, from the compiled-in resources.
namespace Resources {
QCursor spoitCursor();     // "SPOITCURSOR": pipette, hot spot at its tip
QCursor handPointCursor(); // "HANDPOINT": pointing hand, hot spot at the fingertip
QIcon programIcon();
QPixmap colorDialogPicture(); // the colour dialog button
QPixmap pipettePicture();     // the eyedropper button
} // namespace Resources
