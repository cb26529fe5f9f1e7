#include "instance_activation.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr std::string_view message()
{
    return {ActivationServer::Message, ActivationServer::MessageSize};
}

// NOTE: a plain socket rather than QLocalServer: Qt Network would load Kerberos, libproxy
// and the resolver at every start for one 14-byte message.
bool socketAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

} // namespace

// One client: the bytes it sent so far, never more than the message's.
class ActivationServer::Connection final : public QObject {
public:
    Connection(int fd, QObject* parent)
        : QObject(parent)
        , fd(fd)
        , notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
    {
    }
    ~Connection() override { ::close(fd); }

    const int fd;
    QSocketNotifier* const notifier;
    std::string received;
    bool dropped = false;
};

ActivationServer::ActivationServer(std::chrono::milliseconds idleLimit, QObject* parent)
    : QObject(parent)
    , m_idleLimit(idleLimit)
{
}

ActivationServer::~ActivationServer()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(m_path.c_str());
}

bool ActivationServer::listen(const QString& path, QString* error)
{
    const std::string target = path.toStdString();
    sockaddr_un address;
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_listener >= 0)
        return fail(QStringLiteral("already listening"));
    if (!socketAddress(target, address))
        return fail(QStringLiteral("%1: the path is too long for a socket").arg(path));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // The caller holds the one-instance lock, so a socket already there was left by a run
    // that ended without cleaning up.
    ::unlink(target.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::chmod(target.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, MaxOpenConnections) != 0) {
        const QString why =
            QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return fail(why);
    }
    m_listener = fd;
    m_path = target;
    m_listenerNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listenerNotifier, &QSocketNotifier::activated, this,
            &ActivationServer::acceptPending);
    return true;
}

void ActivationServer::acceptPending()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return; // EAGAIN: none left; anything else: the client is gone already
        if (m_open >= MaxOpenConnections) {
            ::close(fd);
            continue;
        }
        ++m_open;
        auto* connection = new Connection(fd, this);
        connect(connection->notifier, &QSocketNotifier::activated, this,
                [this, connection] { readFrom(connection); });
        QTimer::singleShot(m_idleLimit, connection, [this, connection] { drop(connection); });
        readFrom(connection); // bytes may have come with the connection
    }
}

void ActivationServer::readFrom(Connection* connection)
{
    char bytes[MessageSize];
    const size_t wanted = MessageSize - connection->received.size();
    const ssize_t got = ::recv(connection->fd, bytes, wanted, 0);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        return; // nothing yet
    if (got <= 0) {
        drop(connection); // hung up or failed before the whole message came
        return;
    }
    connection->received.append(bytes, static_cast<size_t>(got));
    if (message().substr(0, connection->received.size()) != connection->received) {
        drop(connection); // not ours: nothing more is read
        return;
    }
    if (connection->received.size() < message().size())
        return; // the rest may still come, within the idle limit
    drop(connection);
    emit activationRequested();
}

void ActivationServer::drop(Connection* connection)
{
    // The idle timer may still fire before the deferred delete; the first drop counts.
    if (connection->dropped)
        return;
    connection->dropped = true;
    connection->notifier->setEnabled(false);
    --m_open;
    connection->deleteLater();
}

std::string activationSocketPath(const std::string& lockFolder, const std::string& name)
{
    return lockFolder + "/" + name + ".socket";
}

bool requestActivation(const std::string& socketPath)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address))
        return false;
    // Non-blocking: a running copy whose queue is full is not waited for.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool sent =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        ::send(fd, ActivationServer::Message, ActivationServer::MessageSize, MSG_NOSIGNAL) ==
            ActivationServer::MessageSize;
    ::close(fd);
    return sent;
}
