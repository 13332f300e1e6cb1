#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The system bus, connected on a thread of its own the first time something needs it: a bus
// that is slow to answer never holds up the window. Work that needs it runs once it is there,
// or, after a bound, with a bus that is not connected.
class SystemBusLink
{
public:
    using Work = std::function<void(const QDBusConnection&)>;

    // The system bus of the environment.
    SystemBusLink() = default;
    // The given bus instead, already connected.
    explicit SystemBusLink(const QDBusConnection& bus) : m_bus(bus) {}

    // Runs work with the bus: at once when it is connected, else once it is, or after timeoutMs
    // with a bus that is not. Nothing runs once this object is gone.
    void use(Work work, int timeoutMs);

    // What is waited for dies with it.
    QObject* context() { return &m_context; }

private:
    void connected();

    std::optional<QDBusConnection> m_bus;
    bool m_connecting = false;
    std::vector<std::shared_ptr<Work>> m_waiting;
    QObject m_context;
};
