#pragma once

#include "platform/InstanceGuard.h"

#include <QLockFile>

class QSocketNotifier;

// A lock file in the user's runtime folder decides which copy runs; the running copy listens on
// a local socket beside it for requests to show itself or to carry out a command line. (Plain POSIX
// sockets: Qt's own would load Qt Network, a few milliseconds of every start.)
class LockFileInstanceGuard final : public InstanceGuard
{
    Q_OBJECT

public:
    // appName names the lock and the socket, so copies under another program name are separate.
    explicit LockFileInstanceGuard(const QString& appName, QObject* parent = nullptr);
    ~LockFileInstanceGuard() override;

    bool tryAcquire() override;
    void askRunningCopyToShow() override;
    bool askRunningCopyToRun(const QStringList& arguments) override;

private:
    // Sends one request line; with an answer expected, true once the running copy answered.
    bool send(const QByteArray& request, bool awaitAnswer);
    void listen();
    void accept();
    void receive(int client, QSocketNotifier* notifier, QByteArray& received);

    QString m_basePath;
    QLockFile m_lock;
    int m_listener = -1;
};
