#pragma once

#include <QString>

class Platform;
class QWidget;

// The text of the standard error box: the message, with "." appended when its last
// character sorts after ".".
QString errorBoxText(const QString& message);

// The standard error box: caption "Pagetint", error icon, OK.
void showErrorBox(Platform& platform, QWidget* parent, const QString& message);
