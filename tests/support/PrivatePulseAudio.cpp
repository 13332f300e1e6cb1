#include "PrivatePulseAudio.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
constexpr int TimeoutMs = 10000;
} // namespace

PrivatePulseAudio::PrivatePulseAudio()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("home/.config/pulse"));
    QDir(m_dir.path())
        .mkdir(QStringLiteral("run"),
               QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A client that finds no server must not start one of its own in the test's place.
    QFile clientConfig(m_dir.filePath(QStringLiteral("client.conf")));
    if (clientConfig.open(QIODevice::WriteOnly))
        clientConfig.write("autospawn = no\n");
    for (const auto& [name, value] : soundVariables()) {
        m_saved.append({name, qgetenv(name)}); // null when unset
        qputenv(name, value.toLocal8Bit());
    }
}

PrivatePulseAudio::~PrivatePulseAudio()
{
    stop(SIGKILL);
    for (const auto& [name, value] : std::as_const(m_saved))
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

QList<std::pair<const char*, QString>> PrivatePulseAudio::soundVariables() const
{
    return {
        {"ALSA_CONFIG_PATH", alsaConfigPath()},
        {"PULSE_SERVER", QStringLiteral("unix:") + socketPath()},
        {"PULSE_RUNTIME_PATH", m_dir.filePath(QStringLiteral("run"))},
        {"PULSE_CLIENTCONFIG", m_dir.filePath(QStringLiteral("client.conf"))},
        // Clients would otherwise read, or create, the cookie in the user's home.
        {"PULSE_COOKIE", m_dir.filePath(QStringLiteral("home/.config/pulse/cookie"))},
    };
}

QString PrivatePulseAudio::alsaConfigPath()
{
    return QStringLiteral(SOMNIVO_TEST_SUPPORT_DIR "/asound-pulse-only.conf");
}

bool PrivatePulseAudio::pointsHere() const
{
    const auto variables = soundVariables();
    return m_dir.isValid() &&
           std::all_of(variables.begin(), variables.end(), [](const auto& variable) {
               return qgetenv(variable.first) == variable.second.toLocal8Bit();
           });
}

QProcessEnvironment PrivatePulseAudio::processEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : soundVariables())
        environment.insert(QLatin1StringView(name), value);
    return environment;
}

bool PrivatePulseAudio::start()
{
    if (m_server.state() != QProcess::NotRunning)
        return true;
    if (!pointsHere())
        return fail(QStringLiteral("The sound environment does not lead to this server."));
    QProcessEnvironment environment = processEnvironment();
    // With a display or a session bus address, PulseAudio autolaunches a dbus-daemon that
    // outlives it; its state stays in the test's folder.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_dir.filePath(QStringLiteral("home/.config")));
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedChannels);
    // Should the test process die without running destructors, the kernel ends the server.
    const pid_t parent = getpid();
    m_server.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
    });
    m_server.startCommand(QStringLiteral("pulseaudio -n --daemonize=no --exit-idle-time=-1 "
                                         "--disallow-exit --use-pid-file=no --log-level=error "
                                         "-L \"module-null-sink sink_name=testsink\" -L "
                                         "\"module-native-protocol-unix auth-anonymous=1 "
                                         "socket=%1\"")
                              .arg(socketPath()));
    std::optional<QString> info;
    for (const QDeadlineTimer deadline(TimeoutMs); !(info = pactl({QStringLiteral("info")}));) {
        m_server.waitForFinished(20);
        if (deadline.hasExpired() || m_server.state() == QProcess::NotRunning)
            return fail(QStringLiteral("pulseaudio never answered (its errors are above)."));
    }
    // The answer must come from this server, and ALSA's default control must lead to it.
    if (!info->contains(QStringLiteral("Server String: unix:") + socketPath()) ||
        !info->contains(QStringLiteral("Default Sink: testsink")) ||
        !run(QStringLiteral("amixer"), {QStringLiteral("info")})
             .value_or(QString())
             .contains(QStringLiteral("'PulseAudio'")))
        return fail(QStringLiteral("Another sound server or ALSA control answered: ") + *info);
    return true;
}

void PrivatePulseAudio::stop(int signal)
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_server.processId()), signal);
    m_server.waitForFinished(TimeoutMs);
}

std::optional<QString> PrivatePulseAudio::run(const QString& program,
                                              const QStringList& arguments) const
{
    QProcessEnvironment environment = processEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(TimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QList<int> PrivatePulseAudio::channelRawVolumes() const
{
    // pactl prints each channel as "<name>: <raw> / <percent>% / <dB>".
    static const QRegularExpression channel(QStringLiteral(R"(:\s*(\d+)\s*/)"));
    QList<int> raw;
    const auto output = pactl({QStringLiteral("get-sink-volume"), QStringLiteral("testsink")});
    for (const auto& match : channel.globalMatch(output.value_or(QString())))
        raw.append(match.captured(1).toInt());
    return raw;
}

int PrivatePulseAudio::rawVolume() const
{
    const QList<int> channels = channelRawVolumes();
    return channels.isEmpty() ? -1 : *std::max_element(channels.begin(), channels.end());
}

bool PrivatePulseAudio::setRawVolume(int raw)
{
    return pactl({QStringLiteral("set-sink-volume"), QStringLiteral("testsink"),
                  QString::number(raw)})
        .has_value();
}

bool PrivatePulseAudio::fail(const QString& error)
{
    m_error = error;
    return false;
}
