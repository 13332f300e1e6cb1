#include "PrivatePulseAudio.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int CommandTimeoutMs = 5000;
constexpr int PollIntervalMs = 20;
const QString DefaultSink = QStringLiteral("@DEFAULT_SINK@");

// pactl prints each channel as "<raw> / <percent>% / <dB>".
QList<QPair<int, int>> channelVolumes(const QString& pactlOutput)
{
    static const QRegularExpression channel(QStringLiteral(R"(:\s*(\d+)\s*/\s*(\d+)%)"));
    QList<QPair<int, int>> volumes;
    auto matches = channel.globalMatch(pactlOutput);
    while (matches.hasNext()) {
        const auto match = matches.next();
        volumes.append({match.captured(1).toInt(), match.captured(2).toInt()});
    }
    return volumes;
}

} // namespace

PrivatePulseAudio::PrivatePulseAudio()
    : m_dir(QDir::tempPath() + QStringLiteral("/somnivo-pa-XXXXXX"))
{
    QDir(m_dir.path()).mkpath(QStringLiteral("run"));
    QDir(m_dir.path()).mkpath(QStringLiteral("home/.config/pulse"));
    QFile::setPermissions(m_dir.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A client that finds no server must not start one of its own in the test's place.
    QFile clientConfig(m_dir.filePath(QStringLiteral("client.conf")));
    if (clientConfig.open(QIODevice::WriteOnly))
        clientConfig.write("autospawn = no\n");

    for (const auto& [name, value] : soundVariables()) {
        m_saved.append({name, qEnvironmentVariableIsSet(name.constData())
                                  ? std::optional<QByteArray>(qgetenv(name.constData()))
                                  : std::nullopt});
        qputenv(name.constData(), value.toLocal8Bit());
    }
}

PrivatePulseAudio::~PrivatePulseAudio()
{
    if (isRunning()) {
        ::kill(pid_t(m_server.processId()), SIGKILL);
        m_server.waitForFinished(CommandTimeoutMs);
    }
    for (const SavedVariable& saved : std::as_const(m_saved)) {
        if (saved.value)
            qputenv(saved.name.constData(), *saved.value);
        else
            qunsetenv(saved.name.constData());
    }
}

QList<QPair<QByteArray, QString>> PrivatePulseAudio::soundVariables() const
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

QString PrivatePulseAudio::socketPath() const
{
    return m_dir.filePath(QStringLiteral("run/native"));
}

bool PrivatePulseAudio::pointsHere() const
{
    if (!m_dir.isValid())
        return false;
    const auto variables = soundVariables();
    return std::all_of(variables.begin(), variables.end(), [](const auto& variable) {
        return qgetenv(variable.first.constData()) == variable.second.toLocal8Bit();
    });
}

QProcessEnvironment PrivatePulseAudio::processEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : soundVariables())
        environment.insert(QString::fromLatin1(name), value);
    return environment;
}

bool PrivatePulseAudio::start()
{
    if (isRunning())
        return true;
    if (!m_dir.isValid())
        return fail(QStringLiteral("No temporary folder: ") + m_dir.errorString());
    if (!pointsHere())
        return fail(QStringLiteral("The sound environment was changed behind this server."));
    if (socketPath().toLocal8Bit().size() >= 108) // the size of sockaddr_un's path
        return fail(QStringLiteral("The temporary folder's path is too long for a socket."));

    QProcessEnvironment environment = processEnvironment();
    // With a display or a session bus address, PulseAudio autolaunches a dbus-daemon that
    // outlives it; its state and cookie stay in the test's folder.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_dir.filePath(QStringLiteral("home/.config")));
    m_server.setProcessEnvironment(environment);
    m_server.setStandardInputFile(QProcess::nullDevice());
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(QProcess::nullDevice());
    // Should the test process die without running destructors, the kernel ends the server.
    const pid_t parent = getpid();
    m_server.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
    });
    m_server.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
         QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
         QStringLiteral("--use-pid-file=no"),
         QStringLiteral("--log-target=file:") + m_dir.filePath(QStringLiteral("pulse.log")),
         QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=testsink"),
         QStringLiteral("-L"),
         QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1")
             .arg(socketPath())});
    if (!m_server.waitForStarted(StartTimeoutMs))
        return fail(QStringLiteral("pulseaudio did not start: ") + m_server.errorString());
    return waitUntilAnswering();
}

void PrivatePulseAudio::stop(Stop how)
{
    if (!isRunning())
        return;
    ::kill(pid_t(m_server.processId()), how == Stop::Kill ? SIGKILL : SIGTERM);
    if (!m_server.waitForFinished(CommandTimeoutMs)) {
        m_server.kill();
        m_server.waitForFinished(CommandTimeoutMs);
    }
}

bool PrivatePulseAudio::waitUntilAnswering()
{
    QDeadlineTimer deadline(StartTimeoutMs);
    std::optional<QString> info;
    while (!(info = pactl({QStringLiteral("info")}))) {
        if (!isRunning())
            return fail(QStringLiteral("pulseaudio exited with code %1: %2")
                            .arg(m_server.exitCode())
                            .arg(log()));
        if (deadline.hasExpired())
            return fail(QStringLiteral("pulseaudio never answered: ") + log());
        QThread::msleep(PollIntervalMs);
    }
    // The answer must come from this server, and ALSA's default control must lead to it.
    if (!info->contains(QStringLiteral("Server String: unix:") + socketPath()) ||
        !info->contains(QStringLiteral("Default Sink: testsink")))
        return fail(QStringLiteral("Another sound server answered: ") + *info);
    QProcess amixer;
    amixer.setProcessEnvironment(processEnvironment());
    amixer.start(QStringLiteral("amixer"),
                 {QStringLiteral("-D"), QStringLiteral("default"), QStringLiteral("info")});
    if (!amixer.waitForFinished(CommandTimeoutMs) ||
        !amixer.readAllStandardOutput().contains("'PulseAudio'"))
        return fail(QStringLiteral("ALSA's default control is not the pulse plugin."));
    return true;
}

std::optional<QString> PrivatePulseAudio::pactl(const QStringList& arguments) const
{
    QProcessEnvironment environment = processEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(CommandTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QList<int> PrivatePulseAudio::channelRawVolumes() const
{
    QList<int> raw;
    const auto output = pactl({QStringLiteral("get-sink-volume"), DefaultSink});
    for (const auto& [value, percent] : channelVolumes(output.value_or(QString())))
        raw.append(value);
    return raw;
}

int PrivatePulseAudio::rawVolume() const
{
    const QList<int> channels = channelRawVolumes();
    return channels.isEmpty() ? -1 : *std::max_element(channels.begin(), channels.end());
}

int PrivatePulseAudio::volumePercent() const
{
    const auto output = pactl({QStringLiteral("get-sink-volume"), DefaultSink});
    int loudest = -1;
    for (const auto& [value, percent] : channelVolumes(output.value_or(QString())))
        loudest = std::max(loudest, percent);
    return loudest;
}

bool PrivatePulseAudio::setRawVolume(int raw)
{
    return pactl({QStringLiteral("set-sink-volume"), DefaultSink, QString::number(raw)})
        .has_value();
}

bool PrivatePulseAudio::setVolumePercent(int percent)
{
    return pactl({QStringLiteral("set-sink-volume"), DefaultSink,
                  QString::number(percent) + QLatin1Char('%')})
        .has_value();
}

QString PrivatePulseAudio::log() const
{
    QFile file(m_dir.filePath(QStringLiteral("pulse.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

bool PrivatePulseAudio::fail(const QString& error)
{
    m_error = error;
    return false;
}
