#include "main_window.h"

#include "platform.h"

TForm1::TForm1(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral(" Pagetint"));
    setObjectName(QStringLiteral("Form1"));
    auto* client = new QWidget(this);
    client->setFixedSize(589, 286);
    setCentralWidget(client);
}
