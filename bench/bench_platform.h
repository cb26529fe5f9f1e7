#pragma once

#include "platform.h"

// A platform for measuring: every dialog is cancelled, nothing is opened or started,
// and the program's files live in a folder the benchmark owns.
class BenchPlatform final : public Platform {
public:
    // executablePath() names "pagetint" inside `folder`, so the settings file is
    // `folder`/pagetint.ini.
    explicit BenchPlatform(const QString& folder);

    Answer messageBox(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                      Icon icon) override;
    std::optional<ColorValue> chooseColor(QWidget* parent, ColorValue initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialog& dialog) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialog& dialog) override;
    bool shellOpen(const QString& pathOrAddress) override;
    bool startDetached(const QString& program, const QString& argument) override;
    std::optional<QPoint> pointerPosition() override { return pointer; }
    void movePointer(QPoint physical) override { pointer = physical; }
    // A screen whose every pixel has its own colour.
    QImage screenRegion(const QRect& physical) override;
    // The screens of the platform the benchmarks run on, as Qt sees them.
    ScreenLayout screenLayout() override;
    DesktopSession desktopSession() override { return DesktopSession::Other; }
    void pickScreenColor(QWidget*, std::function<void(ScreenPick)>) override {}
    QString tempFolder() override;
    QString executablePath() override;
    QString configFolder() override { return m_folder; }
    bool windowPositionKnown() override { return true; }

    // How many message boxes were asked for; a benchmark that expects none checks it.
    int messageBoxCount() const { return m_messageBoxes; }

    QPoint pointer; // physical

private:
    QString m_folder;
    int m_messageBoxes = 0;
};
