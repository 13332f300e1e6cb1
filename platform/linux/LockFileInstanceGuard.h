#pragma once

#include "platform/InstanceGuard.h"

#include <QLockFile>

#include <memory>

class QSocketNotifier;
class RequestConnection;

// A lock file decides which copy runs; the running copy listens on a local socket beside it for
// requests. Both live in a folder only this user can write in: the user's runtime folder, else
// one in the user's cache folder; without such a folder the program runs unguarded and says so.
// (Plain POSIX sockets: Qt's own would load Qt Network, a few milliseconds of every start.)
class LockFileInstanceGuard final : public InstanceGuard
{
    Q_OBJECT

public:
    // appName names the lock and the socket, so copies under another program name are separate.
    explicit LockFileInstanceGuard(const QString& appName, QObject* parent = nullptr);
    ~LockFileInstanceGuard() override;

    Outcome runOrHandOver(const std::optional<QStringList>& arguments) override;
    void release() override;

private:
    bool tryAcquire();
    // Sends one request line; true once the running copy answered that it took it.
    bool send(const QByteArray& request) const;
    void listen();
    void accept();
    void carryOut(RequestConnection* connection, const QByteArray& line);

    QString m_basePath; // empty: no private folder, no guard
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;
    QSocketNotifier* m_incoming = nullptr;
};
