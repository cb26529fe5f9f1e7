#include "instance_activation.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr std::string_view message()
{
    return {ActivationServer::Message, ActivationServer::MessageSize};
}

} // namespace

ActivationServer::ActivationServer(std::chrono::milliseconds idleLimit, QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
    , m_idleLimit(idleLimit)
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ActivationServer::acceptPending);
}

ActivationServer::~ActivationServer() = default;

bool ActivationServer::listen(const QString& path, QString* error)
{
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    if (error)
        *error = m_server->errorString();
    return false;
}

void ActivationServer::acceptPending()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (m_open >= MaxOpenConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_open;
        // Counted down by the server's own context: drop() cuts the links to this object.
        connect(socket, &QObject::destroyed, m_server, [this] { --m_open; });
        // Qt keeps no more than the message's bytes from the peer, however much it sends.
        socket->setReadBufferSize(MessageSize);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        QTimer::singleShot(m_idleLimit, socket, [this, socket] { drop(socket); });
        readFrom(socket); // bytes may have come with the connection
    }
}

void ActivationServer::readFrom(QLocalSocket* socket)
{
    const QByteArray got = socket->peek(MessageSize);
    const std::string_view seen(got.constData(), static_cast<size_t>(got.size()));
    if (message().substr(0, seen.size()) != seen) {
        drop(socket); // not ours: nothing more is read
        return;
    }
    if (seen.size() < message().size())
        return; // the rest may still come, within the idle limit
    drop(socket);
    emit activationRequested();
}

void ActivationServer::drop(QLocalSocket* socket)
{
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

std::string activationSocketPath(const std::string& lockFolder, const std::string& name)
{
    return lockFolder + "/" + name + ".socket";
}

bool requestActivation(const std::string& socketPath)
{
    sockaddr_un address{};
    if (socketPath.empty() || socketPath.size() >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    // Non-blocking: a running copy whose queue is full is not waited for.
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool sent =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        send(fd, ActivationServer::Message, ActivationServer::MessageSize, MSG_NOSIGNAL) ==
            ActivationServer::MessageSize;
    close(fd);
    return sent;
}
