#include "PrivateSystemBus.h"

#include <QFile>

bool PrivateSystemBus::startLogind(Logind behaviour)
{
    if (serviceRunning() && behaviour == m_behaviour)
        return true;
    if (!stopService())
        return false;
    m_behaviour = behaviour;
    const char* const options[] = {"", "--refuse", "--no-session"};
    return startService("fake_logind.py",
                        {filePath(QStringLiteral("calls")),
                         QLatin1StringView(options[static_cast<int>(behaviour)])},
                        QStringLiteral("org.freedesktop.login1"));
}

void PrivateSystemBus::clearCalls()
{
    QFile::resize(filePath(QStringLiteral("calls")), 0);
}
