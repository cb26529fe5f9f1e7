#pragma once

#include "platform.h"

#include <QFont>

#include <optional>

// Holds the common dialogs and what they keep between uses.
class TDM {
public:
    explicit TDM(Platform& platform);

    // The open dialog at a filter index (1 images, 2 programs, 3 all files).
    std::optional<QString> executeOpen(QWidget* parent, int filterIndex);
    // The open dialog for a style sheet or a page; it starts where the last one was.
    std::optional<QString> executeOpenCss(QWidget* parent);
    // The save dialog; it offers the name chosen last.
    std::optional<QString> executeSave(QWidget* parent);
    std::optional<ColorValue> executeColor(QWidget* parent, ColorValue initial);
    std::optional<QFont> executeFont(QWidget* parent, const QFont& initial);

    Platform::FileDialog OpenDialog;
    Platform::FileDialog CssOpenDialog;
    Platform::FileDialog SaveDialog;
    QFont FontDialogFont;

private:
    Platform& m_platform;
};
