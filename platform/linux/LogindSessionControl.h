#pragma once

#include "SystemBusLink.h"
#include "platform/SessionControl.h"

// Asks systemd-logind on the system bus to end or lock the session, power off, restart, suspend
// or hibernate. Nothing waits for the bus or for logind: every answer comes back later.
class LogindSessionControl final : public SessionControl
{
public:
    // Uses the system bus, connected on the first request so that start-up never waits for it.
    LogindSessionControl() = default;
    // Uses the given bus instead.
    explicit LogindSessionControl(const QDBusConnection& bus) : m_bus(bus) {}

    void enableShutdownPrivilege() override;
    void requestExit(quint32 flags, Completion done) override;
    void check(Ability ability, OutlookCompletion done) override;
    void sleep(Ability suspendOrHibernate, Completion done) override;
    void lockSession(Completion done) override;

private:
    SystemBusLink m_bus; // the calls under way end with it: no answer outlives this object
};
