#pragma once

#include "platform/SessionControl.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>

// Asks systemd-logind on the system bus to end or lock the session, power off, restart, suspend
// or hibernate.
class LogindSessionControl final : public SessionControl
{
public:
    // Uses the system bus, connected on the first request so that start-up never waits for it.
    LogindSessionControl();
    // Uses the given bus instead.
    explicit LogindSessionControl(const QDBusConnection& bus);

    void enableShutdownPrivilege() override;
    Result requestExit(quint32 flags) override;
    void check(Ability ability, OutlookCompletion done) override;
    void sleep(Ability suspendOrHibernate, Completion done) override;
    void lockSession(Completion done) override;

private:
    QDBusConnection bus() const { return m_bus ? *m_bus : QDBusConnection::systemBus(); }

    std::optional<QDBusConnection> m_bus;
    QObject m_answers; // the calls under way end with it: no answer outlives this object
};
