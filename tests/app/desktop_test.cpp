// The program on a desktop: a later start, saved positions, the desktop's theme.
#include "dialog_texts.h"
#include "instance_activation.h"
#include "qt_platform.h"
#include "secondary_windows.h"
#include "url_label.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLocalSocket>
#include <QSignalSpy>

#include <cmath>

namespace {

QString activationPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("runtime/Pagetint_corvel.socket"));
}

void writeFileText(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toLatin1());
}

// WCAG contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

TEST_F(WindowTest, ALaterStartRestoresAndRaisesTheMinimisedWindow)
{
    start();
    ActivationServer server;
    const QString path = activationPath(folder());
    QString error;
    ASSERT_TRUE(server.listen(path, &error)) << error.toStdString();
    QObject::connect(&server, &ActivationServer::activationRequested, form.get(),
                     &TForm1::showFromAnotherStart);
    form->showMinimized();
    ASSERT_TRUE(form->isMinimized());
    ASSERT_TRUE(requestActivation(path.toStdString()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isMinimized(); }, 5000));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->isActiveWindow(); }, 5000));
}

TEST_F(WindowTest, TheActivationSocketIgnoresWhatIsNotTheMessage)
{
    ActivationServer server(std::chrono::milliseconds(200));
    const QString path = activationPath(folder());
    ASSERT_TRUE(server.listen(path, nullptr));
    QSignalSpy activations(&server, &ActivationServer::activationRequested);

    const QByteArray message(ActivationServer::Message, ActivationServer::MessageSize);
    const struct {
        const char* name;
        QByteArray bytes;
    } clients[] = {
        {"an HTTP request", QByteArray("GET / HTTP/1.0\r\n\r\n")},
        {"the message with one byte changed", QByteArray(message).replace(0, 1, "P")},
        {"a megabyte of noise", QByteArray(1 << 20, '\xff')},
        {"half the message, then silence", message.left(5)},
        {"silence", QByteArray()},
        {"the message in upper case", message.toUpper()},
    };
    for (const auto& client : clients) {
        SCOPED_TRACE(client.name);
        QLocalSocket socket;
        socket.connectToServer(path);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return socket.state() == QLocalSocket::ConnectedState; }, 5000));
        socket.write(client.bytes);
        // The running copy hangs up by itself, within its idle limit at the latest.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return socket.state() == QLocalSocket::UnconnectedState; }, 5000));
        EXPECT_EQ(activations.size(), 0);
    }

    // Clients that hold connections open take no room from a real request for long.
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < ActivationServer::MaxOpenConnections + 4; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(path);
    }
    QTest::qWait(50);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(idle.begin(), idle.end(), [](const auto& s) {
                return s->state() == QLocalSocket::UnconnectedState;
            });
        },
        5000));
    ASSERT_TRUE(requestActivation(path.toStdString()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations.size() == 1; }, 5000));
}

TEST_F(WindowTest, ASavedPositionIsUsedOnlyWhereTheTitleBarCanBeReached)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QPoint saved;
        bool used;
    } rows[] = {
        {screen.topLeft() + QPoint(40, 50), true},
        {QPoint(-3, -30), false}, // saved under Wayland
        {QPoint(screen.right() - 20, screen.y() + 40), false},
        {QPoint(screen.x() + 40, screen.bottom() + 100), false},
        {screen.topLeft() + QPoint(-20, 40), true},             // partly off the left edge
        {QPoint(screen.right() - 380, screen.y() + 100), true}, // partly off the right edge
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.saved.x() << "," << row.saved.y());
        writeFileText(settingsPath(), QStringLiteral("[Options]\r\nPosition=1,%1,%2\r\n")
                                          .arg(row.saved.x())
                                          .arg(row.saved.y()));
        start();
        EXPECT_EQ(form->pos() == row.saved, row.used);
        EXPECT_TRUE(find<QAction>("Winpos")->isChecked());
        ASSERT_TRUE(form->close());
        const QByteArray written =
            QStringLiteral("Position=1,%1,%2\r\n").arg(row.saved.x()).arg(row.saved.y()).toLatin1();
        EXPECT_EQ(readAll(settingsPath()).contains(written), row.used) << "written back";
        form.reset();
    }
}

TEST_F(WindowTest, WhereTheWindowCannotKnowItsPlaceThePositionReadIsWrittenBack)
{
    platform.positionKnown = false;
    const struct {
        const char* read;
        bool uncheck;
        const char* written;
    } rows[] = {
        {"1,40,50", false, "Position=1,40,50\r\n"},
        {"1,-3,-30", false, "Position=1,-3,-30\r\n"},
        {"1,40,50", true, "Position=0,0,0\r\n"}, // the user turned saving off
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.read);
        writeFileText(settingsPath(),
                      QStringLiteral("[Options]\r\nPosition=%1\r\n").arg(QLatin1String(row.read)));
        start();
        form->move(123, 234);
        if (row.uncheck)
            find<QAction>("Winpos")->trigger();
        ASSERT_TRUE(form->close());
        EXPECT_TRUE(readAll(settingsPath()).startsWith(QByteArray("[Options]\r\n") + row.written));
        form.reset();
    }
}

TEST_F(WindowTest, TheLayoutsFixedColoursStayLegibleUnderADarkTheme)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    start();
    struct Reset {
        QPalette palette;
        ~Reset() { QApplication::setPalette(palette); }
    } reset{desktop};

    // The red, green and blue captions are large bold text: 3:1 at least; other text 4.5:1.
    for (const char* name : {"Label2", "Label3", "Label4"}) {
        const QPalette palette = find<QLabel>(name)->palette();
        EXPECT_GE(contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)),
                  3.0)
            << name;
    }
    for (const char* name : {"Label1", "Label5"}) {
        const QPalette palette = find<QLabel>(name)->palette();
        EXPECT_GE(contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)),
                  4.5)
            << name;
    }
    for (QDialog* window :
         {static_cast<QDialog*>(form->form2()), static_cast<QDialog*>(form->aboutBox()),
          static_cast<QDialog*>(form->form4())}) {
        const QPalette palette = window->palette();
        EXPECT_GE(contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)),
                  4.5)
            << window->objectName().toStdString();
    }
    const TURLLabel* link = form->aboutBox()->URLLabel1;
    EXPECT_GE(contrast(QColor(0, 0, 255), link->palette().color(QPalette::Window)), 4.5);
}

TEST(QtFileDialogs, ShowTheLayoutsCaptionsAndNamesWithoutADot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"viewer", "photo.png"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QtPlatform platform;
    Platform::FileDialog request;
    request.title = DialogTexts::OpenTitle();
    request.filter = DialogTexts::OpenFilter();
    request.selectedFile = dir.filePath(QStringLiteral("photo.png"));
    QStringList listed[3];
    QStringList captions;
    whenDialogShows([&](QDialog* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_TRUE(types && model);
        for (int i = 0; i < types->count(); ++i)
            captions << types->itemText(i);
        const int expected[3] = {1, 2, 2};
        for (int i = 0; i < 3; ++i) {
            dialog->selectNameFilter(dialog->nameFilters().at(i));
            // The model fills in the background and drops what the filter does not match.
            const QModelIndex root = model->index(dir.path());
            // A wait that runs out shows as the wrong list below.
            static_cast<void>(
                QTest::qWaitFor([&] { return model->rowCount(root) == expected[i]; }, 2000));
            for (int row = 0; row < model->rowCount(root); ++row)
                listed[i] << model->fileName(model->index(row, 0, root));
            listed[i].sort();
        }
        dialog->reject();
    });
    EXPECT_EQ(platform.openFileName(nullptr, request), std::nullopt);
    EXPECT_EQ(captions,
              QStringList({QString::fromUtf8("画像ファイル"), QString::fromUtf8("実行ファイル"),
                           QString::fromUtf8("全てのファイル")}));
    const QStringList both = {QStringLiteral("photo.png"), QStringLiteral("viewer")};
    EXPECT_EQ(listed[0], QStringList({QStringLiteral("photo.png")}));
    EXPECT_EQ(listed[1], both);
    EXPECT_EQ(listed[2], both);
}
