// The eyedropper on Wayland desktops, with the real portal client against a stand-in portal
// on a private session bus.
#include "window_fixture.h"

#include "main_window_texts.h"
#include "named_color_table.h"
#include "portal_color_pick.h"

#include <QDBusConnection>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>

#include <sys/prctl.h>

#include <csignal>

#include <optional>

namespace {

constexpr ColorValue Teal = rgbColor(0, 128, 128); // the editor colour of a first start

// A session bus of the test's own, and on it, optionally, the stand-in portal.
class PrivateBus {
public:
    PrivateBus()
    {
        // A test that aborts takes its bus and portal with it.
        for (QProcess* process : {&m_daemon, &m_portal})
            process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=" PRIVATE_BUS_CONF),
                        QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000))
            return;
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
        m_bus = QDBusConnection::connectToBus(m_address, m_address);
    }
    ~PrivateBus()
    {
        stopPortal();
        QDBusConnection::disconnectFromBus(m_address);
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    bool connected() const { return m_bus.isConnected(); }
    const QDBusConnection& bus() const { return m_bus; }

    bool startPortal(const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_portal.setProcessEnvironment(env);
        m_portal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_log.clear();
        m_portal.start(QStringLiteral(FAKE_PORTAL), args);
        return m_portal.waitForStarted(5000) && m_portal.waitForReadyRead(5000) &&
               m_portal.readLine() == "ready\n";
    }
    void stopPortal()
    {
        m_portal.kill();
        m_portal.waitForFinished(5000);
    }
    // The portal's "PickColor <parent> <token>" lines so far.
    QStringList pickCalls()
    {
        m_log += QString::fromLocal8Bit(m_portal.readAllStandardOutput());
        return m_log.split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QProcess m_daemon;
    QProcess m_portal;
    QString m_address;
    QDBusConnection m_bus{QString()};
    QString m_log;
};

} // namespace

class PortalPickTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_bus.connected()) << "dbus-daemon is missing or did not start";
        platform.session = DesktopSession::XWayland;
        platform.picker = [this](QWidget* window, std::function<void(Platform::ScreenPick)> done) {
            pickColorThroughPortal(m_bus.bus(), window, [this, done](Platform::ScreenPick pick) {
                ++answers;
                done(pick);
            });
        };
        start();
        form->ColorPending = false;
    }
    void pressEyedropper() { QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton); }

    PrivateBus m_bus;
    int answers = 0;
};

TEST_F(PortalPickTest, EveryAnswerOfThePortal)
{
    const struct {
        const char* what;
        QStringList portal; // empty: no portal on the bus
        std::optional<ColorValue> loaded;
        bool box;
        int pickCalls;
    } rows[] = {
        {"colour", {"color", "0.2", "0.4", "0.8"}, rgbColor(0x33, 0x66, 0xCC), false, 1},
        {"halves round up, beyond 0..1 is clamped",
         {"color", "0.5", "0.0021", "1.5"},
         rgbColor(128, 1, 255),
         false,
         1},
        {"rounded, not cut", {"color", "-0.2", "0.998", "0.9999"}, rgbColor(0, 254, 255), false, 1},
        {"not a number", {"color", "0.2", "nan", "0.8"}, std::nullopt, true, 1},
        {"success without a colour", {"color"}, std::nullopt, true, 1},
        {"cancelled", {"cancel"}, std::nullopt, false, 1},
        {"ended otherwise", {"ended"}, std::nullopt, true, 1},
        {"error reply", {"error"}, std::nullopt, true, 1},
        {"version without PickColor", {"v1"}, std::nullopt, true, 0},
        {"no portal", {}, std::nullopt, true, 0},
    };
    const QRegularExpression pickLine(QStringLiteral("^PickColor  [A-Za-z0-9_]+$"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        form->SetEditColor(Teal);
        form->ColorPending = false;
        platform.clearCalls();
        answers = 0;
        if (!row.portal.isEmpty()) {
            ASSERT_TRUE(m_bus.startPortal(row.portal));
        }

        pressEyedropper();
        ASSERT_TRUE(QTest::qWaitFor([this] { return answers == 1; }, 10000));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

        const QStringList calls = m_bus.pickCalls();
        ASSERT_EQ(calls.size(), row.pickCalls) << calls.join(u'|').toStdString();
        // Offscreen there is no window handle to export: the parent is empty.
        for (const QString& call : calls)
            EXPECT_TRUE(pickLine.match(call).hasMatch()) << call.toStdString();

        const ColorValue expected = row.loaded.value_or(Teal);
        EXPECT_EQ(form->editColor(), expected);
        EXPECT_EQ(find<QLabel>("ColHex")->text(), QString::fromStdString(colorHex(expected)));
        EXPECT_EQ(find<QLabel>("ColHex")->toolTip(), QString::fromStdString(ColorName(expected)));
        EXPECT_EQ(form->ColorPending, row.loaded.has_value());
        if (row.box) {
            ASSERT_EQ(platform.callsOf(QStringLiteral("messageBox")).size(), 1);
            EXPECT_EQ(platform.callsOf(QStringLiteral("messageBox")).at(0).args,
                      QStringList({QStringLiteral("Pagetint"), MainTexts::ScreenPickUnavailable(),
                                   QStringLiteral("Ok"), QStringLiteral("Exclamation")}));
        } else {
            EXPECT_TRUE(platform.callsOf(QStringLiteral("messageBox")).isEmpty());
        }
        m_bus.stopPortal();
    }
}

TEST_F(PortalPickTest, WhileThePortalPicksTheWindowRunsAndIgnoresPresses)
{
    ASSERT_TRUE(m_bus.startPortal({QStringLiteral("never")}));
    pressEyedropper();
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_bus.pickCalls().size() == 1; }, 10000));
    QTest::qWait(200);
    pressEyedropper();
    QTest::mouseClick(find<QToolButton>("ColBtn"), Qt::LeftButton);
    EXPECT_EQ(platform.callsOf(QStringLiteral("chooseColor")).size(), 1) << "the loop runs on";
    QTest::qWait(200);
    EXPECT_EQ(m_bus.pickCalls().size(), 1) << "a second press while waiting does nothing";
    EXPECT_EQ(answers, 0) << "only the portal may answer";

    // A portal that goes away leaves no pick waiting for ever.
    m_bus.stopPortal();
    ASSERT_TRUE(QTest::qWaitFor([this] { return answers == 1; }, 10000));
    EXPECT_EQ(platform.callsOf(QStringLiteral("messageBox")).size(), 1);
    EXPECT_EQ(form->editColor(), Teal);
}

TEST_F(WindowTest, EyedropperAsksThePortalOnlyOnWaylandDesktops)
{
    start();
    QPushButton* dropper = find<QPushButton>("BitBtn1");
    const struct {
        DesktopSession session;
        bool portal;
    } rows[] = {{DesktopSession::X11, false},
                {DesktopSession::XWayland, true},
                {DesktopSession::Wayland, true},
                {DesktopSession::Other, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.session));
        platform.session = row.session;
        platform.clearCalls();
        QTest::mousePress(dropper, Qt::RightButton);
        QTest::mouseRelease(dropper, Qt::RightButton);
        QTest::mousePress(dropper, Qt::LeftButton);
        EXPECT_EQ(QWidget::mouseGrabber() == form.get(), !row.portal);
        EXPECT_EQ(platform.callsOf(QStringLiteral("pickScreenColor")).size(), row.portal ? 1 : 0);
        QTest::mouseRelease(dropper, Qt::LeftButton);
        QTest::mouseRelease(form.get(), Qt::LeftButton);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        if (row.portal) {
            ASSERT_EQ(platform.pendingPicks.size(), 1u);
            platform.pendingPicks.front()({Platform::ScreenPick::Result::Cancelled, 0});
            platform.pendingPicks.clear();
        }
    }
    EXPECT_TRUE(platform.callsOf(QStringLiteral("screenRegion")).isEmpty());
}
