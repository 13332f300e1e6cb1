#pragma once

#include "PrivateBusDaemon.h"

// A private system bus with a fake logind on it. It must be started before the process first
// uses QDBusConnection::systemBus(), which keeps its first connection.
class PrivateSystemBus : public PrivateBusDaemon
{
public:
    enum class Logind
    {
        Answers,        // grants every request
        Refuses,        // answers every Manager call with AccessDenied
        KnowsNoSession, // finds no session for any process
    };

    PrivateSystemBus() : PrivateBusDaemon(QDBusConnection::SystemBus) {}

    // Starts the fake logind, or restarts it with another behaviour.
    bool startLogind(Logind behaviour = Logind::Answers);
    bool stopLogind() { return stopService(); }
    // The calls logind received, one line each, oldest first: "PowerOff false", "Reboot false",
    // "GetSessionByPID 1234", "Get org.freedesktop.login1.Session Id", "TerminateSession 1".
    QStringList calls() const { return recordedLines(QStringLiteral("calls")); }
    void clearCalls();

private:
    Logind m_behaviour = Logind::Answers;
};
