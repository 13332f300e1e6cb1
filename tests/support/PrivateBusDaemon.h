#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A dbus-daemon of the system or session type that only this test process uses, with at most
// one fake service on it. While the object lives the bus's address variable points at it; the
// daemon and the service are killed by their ids when it goes, and die with the test process.
class PrivateBusDaemon
{
public:
    explicit PrivateBusDaemon(QDBusConnection::BusType type);
    ~PrivateBusDaemon();

    bool start();
    QString errorString() const { return m_error; }
    QString address() const
    {
        return QStringLiteral("unix:path=") + filePath(QStringLiteral("socket"));
    }
    // True only while the address variable and the process's connection of the bus's type both
    // lead to this daemon. Tests refuse to run otherwise.
    bool isPrivate() const;

protected:
    // Starts a python3-dbus script from the support folder, told to use this bus, and returns
    // once it owns name.
    bool startService(const char* script, const QStringList& arguments, const QString& name);
    // Returns once the service's name is gone from the bus.
    bool stopService();
    bool serviceRunning() const { return m_service.state() != QProcess::NotRunning; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QStringList recordedLines(const QString& file) const;
    QDBusConnection connection() const { return QDBusConnection(address()); }

private:
    bool waitForService(bool owned);
    bool fail(const QString& error);

    QDBusConnection::BusType m_type;
    const char* m_variable;
    QByteArray m_saved;
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_service;
    QString m_serviceName;
    QString m_busId; // what the daemon answers to GetId
    QString m_error;
};
