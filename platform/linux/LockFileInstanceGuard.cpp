#include "LockFileInstanceGuard.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
constexpr int DeliveryTimeoutMs = 500;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName, QObject* parent)
    : InstanceGuard(parent), m_basePath(runtimeFolder() + QLatin1Char('/') + appName),
      m_lock(m_basePath + QStringLiteral(".lock"))
{
    // A lock left by a copy that crashed is taken over as soon as its process is gone.
    m_lock.setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard()
{
    m_server.close();
}

bool LockFileInstanceGuard::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    if (!m_lock.tryLock(0))
        return false;
    listen();
    return true;
}

void LockFileInstanceGuard::listen()
{
    const QString socketPath = m_basePath + QStringLiteral(".socket");
    // Only the holder of the lock gets here, so a socket file still present is a leftover.
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(socketPath))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server.nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains(ShowRequest.trimmed()))
                    emit showRequested();
                client->disconnectFromServer();
            });
        }
    });
}

void LockFileInstanceGuard::askRunningCopyToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_basePath + QStringLiteral(".socket"));
    if (!socket.waitForConnected(DeliveryTimeoutMs))
        return;
    socket.write(ShowRequest);
    socket.waitForBytesWritten(DeliveryTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(DeliveryTimeoutMs);
}
