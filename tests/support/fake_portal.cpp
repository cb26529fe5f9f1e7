// A stand-in for the desktop portal's colour picker on a test's private session bus.
// Usage: fake_portal MODE [RED GREEN BLUE]
//   color   answers Response 0 with the colour (doubles 0..1), or without one
//   cancel  answers Response 1 (the user cancelled)
//   ended   answers Response 2 (the interaction ended otherwise)
//   error   answers the PickColor call with an error
//   never   names the request and never answers; another client sends a forged colour
//   v1      offers interface version 1, which has no PickColor
// Prints "ready" once it owns the portal's name, and "PickColor <parent> <token>" per call.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

#include <cstdio>

class FakeScreenshotPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version CONSTANT)
public:
    FakeScreenshotPortal(QString mode, QStringList color)
        : m_mode(std::move(mode))
        , m_color(std::move(color))
    {
    }
    uint version() const { return m_mode == QLatin1String("v1") ? 1 : 2; }

public slots:
    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options)
    {
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        QString sender = message().service().mid(1);
        sender.replace(u'.', u'_');
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
        if (m_mode == QLatin1String("error")) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not allowed"));
        } else if (m_mode == QLatin1String("never")) {
            QDBusConnection impostor = QDBusConnection::connectToBus(
                qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("impostor"));
            impostor.send(response(path, 0, QStringList{"1", "0", "0"}));
        } else {
            // The answer goes out before the reply, as fast as a portal could ever give it:
            // only a caller that subscribed before calling receives it.
            const uint code = m_mode == QLatin1String("color")    ? 0
                              : m_mode == QLatin1String("cancel") ? 1
                                                                  : 2;
            connection().send(response(path, code, m_color));
        }
        std::printf("PickColor %s %s\n", qPrintable(parentWindow), qPrintable(token));
        std::fflush(stdout);
        return QDBusObjectPath(path);
    }

private:
    static QDBusMessage response(const QString& path, uint code, const QStringList& color)
    {
        QDBusMessage message = QDBusMessage::createSignal(
            path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        QVariantMap results;
        if (code == 0 && !color.isEmpty()) {
            QDBusArgument rgb;
            rgb.beginStructure();
            for (const QString& part : color)
                rgb << part.toDouble();
            rgb.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(rgb));
        }
        message << code << results;
        return message;
    }

    QString m_mode;
    QStringList m_color;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return 2;
    FakeScreenshotPortal portal(args.at(0), args.mid(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fake_portal: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "fake_portal.moc"
