#pragma once

#include "fake_platform.h"
#include "main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the next modal dialog once it is up.
inline void whenDialogShows(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

// A real main window, offscreen, on the fake platform, with a private folder standing
// in for the executable's folder (so its settings file is the test's own).
class WindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("XDG_RUNTIME_DIR", m_dir.filePath(QStringLiteral("runtime")).toLocal8Bit());
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        QDir(m_dir.path()).mkpath(QStringLiteral("tmp"));
        platform.executableFilePath = m_dir.filePath(QStringLiteral("pagetint"));
        platform.tempFolderPath = m_dir.filePath(QStringLiteral("tmp"));
        platform.configFolderPath = m_dir.filePath(QStringLiteral("config"));
        QGuiApplication::clipboard()->clear();
    }

    void TearDown() override
    {
        if (form) {
            form->hide();
            form.reset();
        }
    }

    // Builds the window, as the program does at start, and shows it.
    TForm1& start()
    {
        form = std::make_unique<TForm1>(platform);
        form->show();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }

    template <typename T> T* find(const char* name) const
    {
        T* widget = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // The texts of the message boxes shown so far, in order.
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& call : platform.callsOf(QStringLiteral("messageBox")))
            texts << call.args.at(1);
        return texts;
    }

    QString settingsPath() const { return m_dir.filePath(QStringLiteral("pagetint.ini")); }
    QString folder() const { return m_dir.path(); }

    FakePlatform platform;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir m_dir;
};
