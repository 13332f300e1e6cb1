#include "TestHome.h"

#include <QDir>
#include <QFile>

TestHome::TestHome()
    : m_savedHome(qgetenv("HOME")), m_savedConfig(qgetenv("XDG_CONFIG_HOME")),
      m_savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    QDir().mkpath(configHome());
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtimeDir().toLocal8Bit());
}

TestHome::~TestHome()
{
    // Only the home made last hands back what it found; an earlier one going first would
    // otherwise point a later one's settings at the home it replaced.
    if (qgetenv("HOME") != path().toLocal8Bit())
        return;
    qputenv("HOME", m_savedHome);
    qputenv("XDG_CONFIG_HOME", m_savedConfig);
    qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
}

QString TestHome::settingsFile(const QString& programName) const
{
    return configHome() + QLatin1Char('/') + programName + QLatin1Char('/') + programName +
           QStringLiteral(".ini");
}
