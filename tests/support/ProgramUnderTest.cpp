#include "ProgramUnderTest.h"

#include "PrivatePulseAudio.h"
#include "VirtualDisplay.h"

ProgramUnderTest::ProgramUnderTest(const VirtualDisplay& display, const QString& programPath)
    : m_environment(QProcessEnvironment::systemEnvironment()), m_programPath(programPath)
{
    m_environment.insert(QStringLiteral("DISPLAY"), display.name());
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_environment.remove(QStringLiteral("XAUTHORITY"));
    // The user's desktop must not pick the platform theme or the notification area.
    for (const char* variable : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_ID"})
        m_environment.remove(QLatin1StringView(variable));
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                         QStringLiteral("unix:path=/nonexistent/somnivo-test-no-session-bus"));
    m_environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                         QStringLiteral("unix:path=/nonexistent/somnivo-test-no-system-bus"));
    m_environment.insert(QStringLiteral("PULSE_SERVER"),
                         QStringLiteral("unix:/nonexistent/somnivo-test-no-sound-server"));
    m_environment.insert(QStringLiteral("ALSA_CONFIG_PATH"), PrivatePulseAudio::alsaConfigPath());
    m_environment.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("0"));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

ProgramUnderTest::~ProgramUnderTest()
{
    killHard();
}

void ProgramUnderTest::useSoundServer(const PrivatePulseAudio& server)
{
    const QProcessEnvironment sound = server.processEnvironment();
    for (const QString& name : sound.keys()) {
        if (name.startsWith(QLatin1String("PULSE_")) || name.startsWith(QLatin1String("ALSA_")))
            m_environment.insert(name, sound.value(name));
    }
}

QString ProgramUnderTest::builtProgram()
{
    return QStringLiteral(SOMNIVO_PROGRAM_PATH);
}

bool ProgramUnderTest::start()
{
    m_process.setProcessEnvironment(m_environment);
    m_process.start(m_programPath, {});
    return m_process.waitForStarted(5000);
}

void ProgramUnderTest::killHard()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
