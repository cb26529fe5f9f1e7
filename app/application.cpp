#include "application.h"

#include "error_box.h"

#include <exception>

PagetintApplication::PagetintApplication(int& argc, char** argv, Platform& platform)
    : QApplication(argc, argv)
    , m_platform(platform)
{
}

bool PagetintApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showErrorBox(m_platform, activeWindow(), QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showErrorBox(m_platform, activeWindow(), QStringLiteral("Unknown error"));
    }
    return false;
}
