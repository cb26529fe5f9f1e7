#pragma once

class Platform;
class QString;
class QWidget;

// Opens a document, folder or address with the shell; when the shell cannot, tells the
// user which target failed (caption "Pagetint", OK, exclamation mark). True when it opened.
bool openOrReport(Platform& platform, QWidget* parent, const QString& target);

// Starts a program with one argument; when it cannot start, names the program in the same
// kind of box. True when it started.
bool startOrReport(Platform& platform, QWidget* parent, const QString& program,
                   const QString& argument);
