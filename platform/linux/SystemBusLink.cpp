#include "SystemBusLink.h"

#include <QThread>
#include <QTimer>

void SystemBusLink::use(Work work, int timeoutMs)
{
    if (m_bus) {
        work(*m_bus);
        return;
    }
    auto waiting = std::make_shared<Work>(std::move(work));
    m_waiting.push_back(waiting);
    QTimer::singleShot(timeoutMs, &m_context, [waiting] {
        if (const Work late = std::exchange(*waiting, nullptr))
            late(QDBusConnection(QStringLiteral("somnivo-no-system-bus")));
    });
    if (std::exchange(m_connecting, true))
        return;
    // The toolkit connects on its own bus thread and keeps the connection; this thread only waits
    // for that instead of the window. Should it never come back, it is left to the end of the
    // program.
    QThread* connecting = QThread::create([] { QDBusConnection::systemBus(); });
    QObject::connect(connecting, &QThread::finished, connecting, &QObject::deleteLater);
    QObject::connect(connecting, &QThread::finished, &m_context, [this] { connected(); });
    connecting->start();
}

void SystemBusLink::connected()
{
    m_bus = QDBusConnection::systemBus(); // made by now: this does not wait
    for (const auto& waiting : std::exchange(m_waiting, {})) {
        if (const Work work = std::exchange(*waiting, nullptr))
            work(*m_bus);
    }
}
