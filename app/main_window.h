#pragma once

#include <QMainWindow>

class Platform;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& m_platform;
};
