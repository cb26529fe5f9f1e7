#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <string>

class QSocketNotifier;

// A later start asks the running copy to show its window: it connects to a local socket
// beside the one-instance lock and sends one short fixed message. The running copy reads
// at most that many bytes per connection, drops anything else, and never waits for a
// client, so a broken or hostile local program can neither crash nor freeze it.
class ActivationServer final : public QObject {
    Q_OBJECT
public:
    static constexpr char Message[] = "pagetint:show\n";
    static constexpr int MessageSize = sizeof(Message) - 1;
    static constexpr int MaxOpenConnections = 8; // more at once are dropped unread

    explicit ActivationServer(std::chrono::milliseconds idleLimit = std::chrono::seconds(2),
                              QObject* parent = nullptr);
    ~ActivationServer() override;

    // Serves at path, replacing a socket left by a run that ended without cleaning up (the
    // caller holds the lock, so no other copy serves there). False and why when it cannot.
    bool listen(const QString& path, QString* error);

signals:
    void activationRequested();

private:
    class Connection;
    void acceptPending();
    void readFrom(Connection* connection);
    void drop(Connection* connection);

    int m_listener = -1;
    QSocketNotifier* m_listenerNotifier = nullptr;
    std::string m_path;
    std::chrono::milliseconds m_idleLimit;
    int m_open = 0;
};

// The socket's path: beside the lock, named after it.
std::string activationSocketPath(const std::string& lockFolder, const std::string& name);

// Sends the message without ever blocking; false when nobody listens or the running copy
// has no room for another connection.
bool requestActivation(const std::string& socketPath);
