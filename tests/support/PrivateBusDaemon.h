#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A dbus-daemon that only this test process uses, and the fake services the test runs on it.
// While the object lives the address variable it was made for (DBUS_SYSTEM_BUS_ADDRESS or
// DBUS_SESSION_BUS_ADDRESS) points at it. Every process it starts is stopped by its id when the
// object goes, and dies with the test process should that crash.
class PrivateBusDaemon
{
public:
    // configName: a bus configuration in the test support folder; socketName: the listening
    // socket's name in the bus's own temporary folder.
    PrivateBusDaemon(const char* addressVariable, const char* configName, const char* socketName);
    ~PrivateBusDaemon();
    PrivateBusDaemon(const PrivateBusDaemon&) = delete;
    PrivateBusDaemon& operator=(const PrivateBusDaemon&) = delete;

    // Starts the daemon and exports its address.
    bool start();
    QString errorString() const { return m_error; }
    bool fail(const QString& error);

    QString address() const;
    // A file in the bus's own temporary folder.
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // The lines a fake service wrote to such a file, oldest first.
    QStringList recordedLines(const QString& name) const;
    // This object's own connection to the daemon.
    QDBusConnection connection() const;
    // True only while the address variable and the process's connection of that kind, bus,
    // both lead to this daemon.
    bool isPrivate(const QDBusConnection& bus) const;

    // Starts a python3-dbus service from the test support folder, told explicitly to use this
    // bus, and returns once it owns name; what its label says goes into failure messages.
    bool startService(QProcess& service, const QString& label, const char* script,
                      const QStringList& arguments, const QString& name);
    // Stops the service and returns once its name is gone from the bus.
    bool stopService(QProcess& service, const QString& label, const QString& name);

    static void stopProcess(QProcess& process);

private:
    static void startProcess(QProcess& process, const QString& program,
                             const QStringList& arguments);
    static QString busId(const QDBusConnection& bus);
    bool waitForName(const QString& name, bool owned, QProcess& service, const QString& label);

    QByteArray m_variable;
    QString m_config;
    QString m_socketName;
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_busId; // what the daemon answers to GetId, to recognise it by
    QString m_connectionName;
    QString m_error;
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
    bool m_exported = false;
};
