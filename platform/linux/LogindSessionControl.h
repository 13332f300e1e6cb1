#pragma once

#include "platform/SessionControl.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Asks systemd-logind on the system bus to end the session, power off or restart.
class LogindSessionControl final : public SessionControl
{
public:
    // Uses the system bus, connected on the first request so that start-up never waits for it.
    LogindSessionControl();
    // Uses the given bus instead.
    explicit LogindSessionControl(const QDBusConnection& bus);

    void enableShutdownPrivilege() override;
    Result requestExit(quint32 flags) override;
    void checkExit(quint32 flags, OutlookCompletion done) override;

private:
    QDBusConnection bus() const { return m_bus ? *m_bus : QDBusConnection::systemBus(); }

    std::optional<QDBusConnection> m_bus;
    QObject m_answers; // the calls under way end with it: no answer outlives this object
};
