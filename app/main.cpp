#include "application.h"
#include "close_after_first_frame.h"
#include "desktop_integration.h"
#include "error_box.h"
#include "instance_activation.h"
#include "instance_lock.h"
#include "language.h"
#include "main_window.h"
#include "qt_platform.h"
#include "texts.h"

#include <QLocale>

#include <exception>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    // A second copy ends at once and silently, after asking the first to show itself.
    const InstanceLock lock(Texts::LockName.toStdString());
    const std::string socketPath =
        lock.folder().empty() ? std::string()
                              : activationSocketPath(lock.folder(), Texts::LockName.toStdString());
    if (lock.result() == InstanceLock::Result::HeldElsewhere) {
        requestActivation(socketPath);
        return 1;
    }
    if (lock.result() == InstanceLock::Result::Failed) {
        std::cerr << "pagetint: cannot take the one-instance lock: " << lock.error() << '\n';
        return 1;
    }

    QtPlatform platform;
    PagetintApplication app(argc, argv, platform);
    QApplication::setApplicationName(Texts::AppTitle);
    // Lets the task bar match the window to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(appId());
    const QString language = chooseLanguage(storedLanguageOption(platform),
                                            QLocale::system().uiLanguages(), translatedLanguages());
    if (language != QLatin1String("ja"))
        installProgramTranslation(app, language);
    installQtTranslation(app, language);
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(platform);
    } catch (const std::exception& error) {
        // An error while the main window is built ends the run after the message.
        showErrorBox(platform, nullptr, QString::fromLocal8Bit(error.what()));
        return 0;
    }
    ActivationServer activation;
    QString error;
    if (activation.listen(QString::fromStdString(socketPath), &error))
        QObject::connect(&activation, &ActivationServer::activationRequested, form.get(),
                         &TForm1::showFromAnotherStart);
    else
        std::cerr << "pagetint: a later start cannot show this window: " << error.toStdString()
                  << '\n';
    if (qEnvironmentVariable("PAGETINT_EXIT_AFTER_SHOWN") == QLatin1String("1"))
        form->installEventFilter(new CloseAfterFirstFrame(form.get()));
    form->show();
    QApplication::exec();
    return 0;
}
