#include "PrivateSystemBus.h"

#include <QFile>

namespace {

const QString LogindName = QStringLiteral("org.freedesktop.login1");
const QString LogindLabel = QStringLiteral("The fake logind");
const QString CallRecord = QStringLiteral("logind-calls.txt");

} // namespace

PrivateSystemBus::PrivateSystemBus()
    : m_bus("DBUS_SYSTEM_BUS_ADDRESS", "system-bus.conf", "system_bus_socket")
{}

PrivateSystemBus::~PrivateSystemBus()
{
    PrivateBusDaemon::stopProcess(m_logind);
}

bool PrivateSystemBus::start()
{
    return m_bus.start();
}

QString PrivateSystemBus::address() const
{
    return m_bus.address();
}

QString PrivateSystemBus::callRecordPath() const
{
    return m_bus.filePath(CallRecord);
}

bool PrivateSystemBus::startLogind(Logind behaviour)
{
    if (m_logind.state() != QProcess::NotRunning) {
        if (behaviour == m_behaviour)
            return true;
        if (!stopLogind())
            return false;
    }
    m_behaviour = behaviour;
    QStringList arguments{QStringLiteral("--record"), callRecordPath()};
    if (behaviour == Logind::Refuses)
        arguments << QStringLiteral("--refuse");
    if (behaviour == Logind::KnowsNoSession)
        arguments << QStringLiteral("--no-session");
    return m_bus.startService(m_logind, LogindLabel, "fake_logind.py", arguments, LogindName);
}

bool PrivateSystemBus::stopLogind()
{
    return m_bus.stopService(m_logind, LogindLabel, LogindName);
}

bool PrivateSystemBus::isPrivate() const
{
    return m_bus.isPrivate(QDBusConnection::systemBus());
}

QStringList PrivateSystemBus::calls() const
{
    return m_bus.recordedLines(CallRecord);
}

void PrivateSystemBus::clearCalls()
{
    QFile::resize(callRecordPath(), 0);
}
