#pragma once

#include <QApplication>

class Platform;

// Catches what an event handler throws, shows it in the error box and lets the loop go on.
class PagetintApplication final : public QApplication {
    Q_OBJECT
public:
    PagetintApplication(int& argc, char** argv, Platform& platform);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Platform& m_platform;
};
