#pragma once

#include "platform.h"

#include <QStringList>
#include <QVector>

#include <deque>
#include <functional>
#include <map>

// A scripted platform: records every call and answers from prepared queues. An empty
// dialog queue gives the dialog's cancel answer (nullopt); an empty message-box queue
// answers Ok; the shell and a started program succeed unless told otherwise.
class FakePlatform final : public Platform {
public:
    struct Call {
        QString kind;     // "messageBox", "chooseColor", "shellOpen", ...
        QStringList args; // the call's arguments as text
    };

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
    QImage screenRegion(const QRect& physical) override;
    // The offscreen screens as Qt sees them: the two-screen tests configure them.
    ScreenLayout screenLayout() override;
    DesktopSession desktopSession() override { return session; }
    void pickScreenColor(QWidget* window, std::function<void(ScreenPick)> done) override;
    QString tempFolder() override { return tempFolderPath; }
    QString executablePath() override { return executableFilePath; }
    QString configFolder() override { return configFolderPath; }
    bool windowPositionKnown() override { return positionKnown; }

    // Calls of one kind, in order.
    QVector<Call> callsOf(const QString& kind) const;
    void clearCalls() { calls.clear(); }

    QVector<Call> calls;
    std::deque<Answer> messageAnswers; // default when empty: Ok
    std::deque<std::optional<ColorValue>> colorAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    bool shellResult = true;
    bool startResult = true;
    // The screen, as a function of the physical position; nullopt where there is no pixel.
    std::function<std::optional<ColorValue>(QPoint)> screen;
    QPoint pointer; // physical
    DesktopSession session = DesktopSession::Other;
    // The portal's picks: passed to `picker` when set, else kept here for the test to answer.
    std::function<void(QWidget*, std::function<void(ScreenPick)>)> picker;
    std::deque<std::function<void(ScreenPick)>> pendingPicks;
    QString tempFolderPath;
    QString executableFilePath;
    QString configFolderPath;
    bool positionKnown = true; // false stands for Wayland
    // The last FileDialog passed to openFileName or saveFileName.
    FileDialog lastDialog;
};
