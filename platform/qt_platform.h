#pragma once

#include "eyedropper_geometry.h"
#include "platform.h"

#include <QStringList>

class QtPlatform final : public Platform {
public:
    Answer messageBox(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                      Icon icon) override;
    std::optional<ColorValue> chooseColor(QWidget* parent, ColorValue initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialog& dialog) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialog& dialog) override;
    bool shellOpen(const QString& pathOrAddress) override;
    bool startDetached(const QString& program, const QString& argument) override;
    std::optional<QPoint> pointerPosition() override;
    void movePointer(QPoint physical) override;
    QImage screenRegion(const QRect& physical) override;
    ScreenLayout screenLayout() override;
    DesktopSession desktopSession() override;
    void pickScreenColor(QWidget* window, std::function<void(ScreenPick)> done) override;
    QString tempFolder() override;
    QString executablePath() override;
    QString configFolder() override;
    bool windowPositionKnown() override;

private:
    // Kept between uses, so each dialog offers the folder and name chosen last.
    QString m_lastOpenFolder;
};

// "Text|*.a;*.b|All|*.*" as Qt's name filters: "Text (*.a *.b)", "All (*)". The patterns
// of every file and of programs become "*".
QStringList qtNameFilters(const QString& filter);

// Qt's screens with their logical geometry and scale factor, in Qt's order.
ScreenLayout currentScreenLayout();
