#pragma once

#include "platform/SessionControl.h"

#include <QDBusConnection>

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

private:
    std::optional<QDBusConnection> m_bus;
};
