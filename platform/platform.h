#pragma once

#include "color_value.h"
#include "desktop_session.h"
#include "eyedropper_geometry.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QImage;
class QWidget;

// Everything the program asks of the operating system that a test cannot do.
// The program runs on QtPlatform; tests pass a scripted fake.
class Platform {
public:
    enum class Buttons { Ok, OkCancel }; // with OkCancel, OK is the default button
    enum class Icon { None, Information, Exclamation, Question, Error };
    enum class Answer { Ok, Cancel };

    struct FileDialog {
        QString title;
        // Display texts and patterns alternate, separated by "|": "Text|*.a;*.b|All|*.*".
        QString filter;
        int filterIndex = 1; // 1-based, as in the filter text
        QString defaultSuffix;
        QString selectedFile; // the name offered when the dialog opens
        bool fileMustExist = false;
        bool confirmOverwrite = false;
    };

    // What the desktop's colour picker gave back.
    struct ScreenPick {
        enum class Result { Picked, Cancelled, Failed };
        Result result = Result::Failed;
        ColorValue color = 0; // with Picked only
    };

    virtual ~Platform() = default;

    virtual Answer messageBox(QWidget* parent, const QString& caption, const QString& text,
                              Buttons buttons, Icon icon) = 0;
    // The colour dialog with its custom-colour part open; nullopt when cancelled.
    virtual std::optional<ColorValue> chooseColor(QWidget* parent, ColorValue initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialog& dialog) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialog& dialog) = 0;
    // Opens a document, folder, program or address with the desktop's default handler;
    // false when it could not (a missing file, no handler to start). Callers report it.
    virtual bool shellOpen(const QString& pathOrAddress) = 0;
    // Starts a program with one argument and does not wait for it.
    virtual bool startDetached(const QString& program, const QString& argument) = 0;
    // The live eyedropper's view of the screen, in physical pixels as the window system
    // counts them, so that no scale factor rounds a position on its way.
    // The pointer's position; nullopt where it cannot be read.
    virtual std::optional<QPoint> pointerPosition() = 0;
    virtual void movePointer(QPoint physical) = 0;
    // The pixels of a rectangle as an ARGB32 image of its size: opaque where a screen shows
    // the pixel, transparent where none does.
    virtual QImage screenRegion(const QRect& physical) = 0;
    // Every screen's place in physical pixels and its scale factor, for the loupe's place.
    virtual ScreenLayout screenLayout() = 0;
    // Decides whether a screen colour comes from screenRegion or from pickScreenColor.
    virtual DesktopSession desktopSession() = 0;
    // Lets the user pick a screen colour through the desktop (the portal) without blocking:
    // `done` is called once, later, from the event loop, and never after `window` is gone.
    virtual void pickScreenColor(QWidget* window, std::function<void(ScreenPick)> done) = 0;
    virtual QString tempFolder() = 0;
    virtual QString executablePath() = 0;
    // The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config); empty when unknown.
    virtual QString configFolder() = 0;
    // False where the window system keeps a window's position from it (Wayland).
    virtual bool windowPositionKnown() = 0;
};
