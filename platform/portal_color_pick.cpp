#include "portal_color_pick.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
constexpr uint FirstVersionWithPickColor = 2;

enum PortalResponse : uint { Success = 0, CancelledByUser = 1, Ended = 2 };

// One portal component, 0..1, as 0..255; nullopt for what is not a number.
std::optional<int> colorByte(double component)
{
    if (!std::isfinite(component))
        return std::nullopt;
    return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255.0));
}

// The "color" result, a (ddd) structure in a variant.
std::optional<ColorValue> pickedColor(const QVariantMap& results)
{
    const QVariant value = results.value(QStringLiteral("color"));
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double parts[3] = {};
    argument.beginStructure();
    argument >> parts[0] >> parts[1] >> parts[2];
    argument.endStructure();
    const std::optional<int> red = colorByte(parts[0]);
    const std::optional<int> green = colorByte(parts[1]);
    const std::optional<int> blue = colorByte(parts[2]);
    if (!red || !green || !blue)
        return std::nullopt;
    return rgbColor(*red, *green, *blue);
}

// One PickColor request, from the version check to the Response signal. It lives as a child
// of the window, so a window closed meanwhile takes the request and its answer with it.
class PortalPickRequest : public QObject {
    Q_OBJECT
public:
    PortalPickRequest(const QDBusConnection& bus, QWidget* window,
                      std::function<void(Platform::ScreenPick)> done)
        : QObject(window)
        , m_bus(bus)
        , m_window(window)
        , m_done(std::move(done))
    {
    }

    void start()
    {
        if (!m_bus.isConnected()) {
            QTimer::singleShot(0, this, [this] { finish(Platform::ScreenPick::Result::Failed); });
            return;
        }
        QDBusMessage get = QDBusMessage::createMethodCall(
            PortalService, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << ScreenshotInterface << QStringLiteral("version");
        whenAnswered(m_bus.asyncCall(get), &PortalPickRequest::versionRead);
    }

private slots:
    // A slot by name: QDBusConnection::connect takes no other kind.
    void response(uint code, const QVariantMap& results)
    {
        if (code == Success) {
            if (const std::optional<ColorValue> color = pickedColor(results))
                finish(Platform::ScreenPick::Result::Picked, *color);
            else
                finish(Platform::ScreenPick::Result::Failed);
        } else {
            finish(code == CancelledByUser ? Platform::ScreenPick::Result::Cancelled
                                           : Platform::ScreenPick::Result::Failed);
        }
    }

private:
    // An error answer ends the request; otherwise `next`, if any, takes the reply.
    void whenAnswered(const QDBusPendingCall& call,
                      void (PortalPickRequest::*next)(const QDBusMessage&) = nullptr)
    {
        auto* watcher = new QDBusPendingCallWatcher(call, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, next](QDBusPendingCallWatcher* answered) {
                    answered->deleteLater();
                    const QDBusMessage reply = answered->reply();
                    if (reply.type() == QDBusMessage::ErrorMessage)
                        finish(Platform::ScreenPick::Result::Failed);
                    else if (next)
                        (this->*next)(reply);
                });
    }

    void versionRead(const QDBusMessage& reply)
    {
        const QVariant version = reply.arguments().value(0).value<QDBusVariant>().variant();
        if (version.typeId() != QMetaType::UInt || version.toUInt() < FirstVersionWithPickColor) {
            finish(Platform::ScreenPick::Result::Failed);
            return;
        }
        // The portal answers on a request object named after our connection and our token;
        // subscribing before the call means even an immediate answer is not missed, and
        // naming the portal as the sender means nobody else can answer for it.
        static unsigned serial = 0;
        const QString token = QStringLiteral("pagetint%1").arg(++serial);
        QString sender = m_bus.baseService().mid(1);
        sender.replace(u'.', u'_');
        m_requestPath = PortalPath + QStringLiteral("/request/") + sender + u'/' + token;
        if (!m_bus.connect(PortalService, m_requestPath, RequestInterface,
                           QStringLiteral("Response"), this, SLOT(response(uint, QVariantMap)))) {
            finish(Platform::ScreenPick::Result::Failed);
            return;
        }
        // A portal that goes away while the user picks would leave the request unanswered.
        auto* vanished = new QDBusServiceWatcher(PortalService, m_bus,
                                                 QDBusServiceWatcher::WatchForUnregistration, this);
        connect(vanished, &QDBusServiceWatcher::serviceUnregistered, this,
                [this] { finish(Platform::ScreenPick::Result::Failed); });

        QDBusMessage pick = QDBusMessage::createMethodCall(
            PortalService, PortalPath, ScreenshotInterface, QStringLiteral("PickColor"));
        pick << portalParentWindow(m_window)
             << QVariantMap{{QStringLiteral("handle_token"), token}};
        // The reply only names the request; the colour comes with its Response signal.
        whenAnswered(m_bus.asyncCall(pick));
    }

    void finish(Platform::ScreenPick::Result result, ColorValue color = 0)
    {
        if (!m_requestPath.isEmpty()) {
            m_bus.disconnect(PortalService, m_requestPath, RequestInterface,
                             QStringLiteral("Response"), this, SLOT(response(uint, QVariantMap)));
        }
        if (auto done = std::exchange(m_done, nullptr))
            done({result, color});
        deleteLater();
    }

    QDBusConnection m_bus;
    QPointer<QWidget> m_window;
    std::function<void(Platform::ScreenPick)> m_done;
    QString m_requestPath;
};

} // namespace

void pickColorThroughPortal(const QDBusConnection& bus, QWidget* window,
                            std::function<void(Platform::ScreenPick)> done)
{
    (new PortalPickRequest(bus, window, std::move(done)))->start();
}

QString portalParentWindow(QWidget* window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    return QStringLiteral("x11:") + QString::number(window->window()->winId(), 16);
}

#include "portal_color_pick.moc"
