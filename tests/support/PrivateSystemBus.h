#pragma once

#include "PrivateBusDaemon.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// A dbus-daemon of the system type that only this test process uses, with a fake logind on it.
// While the object lives DBUS_SYSTEM_BUS_ADDRESS points at it, so it must be started before
// the process first uses QDBusConnection::systemBus(), which keeps its first connection.
// Every process it starts is stopped by its id when the object goes, and dies with the test
// process should that crash.
class PrivateSystemBus
{
public:
    enum class Logind
    {
        Answers,        // grants every request
        Refuses,        // answers every Manager call with AccessDenied
        KnowsNoSession, // finds no session for any process
    };

    PrivateSystemBus();
    ~PrivateSystemBus();
    PrivateSystemBus(const PrivateSystemBus&) = delete;
    PrivateSystemBus& operator=(const PrivateSystemBus&) = delete;

    // Starts the daemon and exports its address.
    bool start();
    // Starts the fake logind, or restarts it with another behaviour; returns once it owns its
    // name on the bus.
    bool startLogind(Logind behaviour = Logind::Answers);
    // Returns once the name is gone from the bus.
    bool stopLogind();
    QString errorString() const { return m_bus.errorString(); }

    QString address() const;
    // True only while DBUS_SYSTEM_BUS_ADDRESS and the process's system bus connection both
    // lead to this daemon. Tests that could end the session refuse to run otherwise.
    bool isPrivate() const;

    QString callRecordPath() const;
    // The calls logind received, one line each, oldest first.
    QStringList calls() const;
    void clearCalls();

private:
    PrivateBusDaemon m_bus;
    QProcess m_logind;
    Logind m_behaviour = Logind::Answers;
};
