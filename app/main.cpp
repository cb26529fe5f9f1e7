#include "application.h"
#include "error_box.h"
#include "instance_lock.h"
#include "main_window.h"
#include "qt_platform.h"
#include "texts.h"

#include <QTimer>

#include <exception>
#include <iostream>
#include <memory>

namespace {

// For start-up timing: closes the window, as the user would, once its first frame is painted.
class CloseAfterFirstFrame final : public QObject {
public:
    explicit CloseAfterFirstFrame(QWidget* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, m_window, &QWidget::close);
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    // A second copy ends at once, silently, and leaves the first alone.
    const InstanceLock lock(Texts::LockName.toStdString());
    if (lock.result() == InstanceLock::Result::HeldElsewhere)
        return 1;
    if (lock.result() == InstanceLock::Result::Failed) {
        std::cerr << "pagetint: cannot take the one-instance lock: " << lock.error() << '\n';
        return 1;
    }

    QtPlatform platform;
    PagetintApplication app(argc, argv, platform);
    QApplication::setApplicationName(Texts::AppTitle);
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(platform);
    } catch (const std::exception& error) {
        // An error while the main window is built ends the run after the message.
        showErrorBox(platform, nullptr, QString::fromLocal8Bit(error.what()));
        return 0;
    }
    if (qEnvironmentVariable("PAGETINT_EXIT_AFTER_SHOWN") == QLatin1String("1"))
        form->installEventFilter(new CloseAfterFirstFrame(form.get()));
    form->show();
    QApplication::exec();
    return 0;
}
