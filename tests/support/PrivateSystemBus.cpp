#include "PrivateSystemBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString LogindName = QStringLiteral("org.freedesktop.login1");
const QString Python = QStringLiteral("/usr/bin/python3"); // Debian's, with python3-dbus
constexpr int StartTimeoutMs = 10000;
constexpr int PollIntervalMs = 10;

QString supportFile(const char* name)
{
    return QStringLiteral(SOMNIVO_TEST_SUPPORT_DIR "/") + QLatin1StringView(name);
}

} // namespace

PrivateSystemBus::PrivateSystemBus()
    : m_watchName(
          QStringLiteral("somnivo-private-system-bus-%1").arg(reinterpret_cast<quintptr>(this))),
      m_savedAddress(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")),
      m_hadAddress(qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS"))
{}

PrivateSystemBus::~PrivateSystemBus()
{
    stopProcess(m_logind);
    QDBusConnection::disconnectFromBus(m_watchName);
    stopProcess(m_daemon);
    if (!m_exported)
        return;
    if (m_hadAddress)
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_savedAddress);
    else
        qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

QString PrivateSystemBus::address() const
{
    return QStringLiteral("unix:path=") + m_dir.filePath(QStringLiteral("system_bus_socket"));
}

QString PrivateSystemBus::callRecordPath() const
{
    return m_dir.filePath(QStringLiteral("logind-calls.txt"));
}

bool PrivateSystemBus::start()
{
    if (!m_dir.isValid())
        return fail(QStringLiteral("No temporary folder: ") + m_dir.errorString());
    m_daemon.setStandardErrorFile(m_dir.filePath(QStringLiteral("dbus-daemon.log")));
    startProcess(m_daemon, QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--config-file=") + supportFile("system-bus.conf"),
                  QStringLiteral("--address=") + address(), QStringLiteral("--nofork"),
                  QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    // The daemon prints its address once it listens.
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(deadline.remainingTime())) {
    }
    if (!m_daemon.canReadLine()) {
        QFile log(m_dir.filePath(QStringLiteral("dbus-daemon.log")));
        log.open(QIODevice::ReadOnly);
        return fail(QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString() +
                    QLatin1Char(' ') + QString::fromLocal8Bit(log.readAll()));
    }

    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address().toLocal8Bit());
    m_exported = true;
    const QDBusConnection watch = QDBusConnection::connectToBus(address(), m_watchName);
    m_busId = busId(watch);
    if (m_busId.isEmpty())
        return fail(QStringLiteral("Cannot talk to the private bus: ") +
                    watch.lastError().message());
    return true;
}

bool PrivateSystemBus::startLogind(Logind behaviour)
{
    if (m_logind.state() != QProcess::NotRunning) {
        if (behaviour == m_behaviour)
            return true;
        if (!stopLogind())
            return false;
    }
    if (m_busId.isEmpty())
        return fail(QStringLiteral("The private bus is not running."));
    m_behaviour = behaviour;
    QStringList arguments{QStringLiteral("-I"), supportFile("fake_logind.py"),
                          QStringLiteral("--record"), callRecordPath()};
    if (behaviour == Logind::Refuses)
        arguments << QStringLiteral("--refuse");
    if (behaviour == Logind::KnowsNoSession)
        arguments << QStringLiteral("--no-session");
    m_logind.setProcessChannelMode(QProcess::ForwardedChannels);
    // Told explicitly, so that it can only ever reach this bus.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address());
    m_logind.setProcessEnvironment(environment);
    startProcess(m_logind, Python, arguments);
    if (!m_logind.waitForStarted(StartTimeoutMs))
        return fail(QStringLiteral("The fake logind did not start: ") + m_logind.errorString());
    return waitForLogind(true);
}

bool PrivateSystemBus::stopLogind()
{
    if (m_logind.state() == QProcess::NotRunning)
        return true;
    stopProcess(m_logind);
    return waitForLogind(false);
}

bool PrivateSystemBus::isPrivate() const
{
    if (m_busId.isEmpty() || m_daemon.state() != QProcess::Running ||
        qgetenv("DBUS_SYSTEM_BUS_ADDRESS") != address().toLocal8Bit())
        return false;
    // The environment is not enough: the process may have connected before it was set.
    return busId(QDBusConnection::systemBus()) == m_busId;
}

QStringList PrivateSystemBus::calls() const
{
    QFile record(callRecordPath());
    if (!record.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void PrivateSystemBus::clearCalls()
{
    QFile::resize(callRecordPath(), 0);
}

void PrivateSystemBus::startProcess(QProcess& process, const QString& program,
                                    const QStringList& arguments)
{
    // Should the test process die without running destructors, the kernel ends its helpers.
    const pid_t parent = getpid();
    process.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
    });
    process.start(program, arguments);
}

QString PrivateSystemBus::busId(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return {};
    const QDBusReply<QString> id =
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("GetId")),
                 QDBus::Block, StartTimeoutMs);
    return id.isValid() ? id.value() : QString();
}

void PrivateSystemBus::stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(StartTimeoutMs);
}

bool PrivateSystemBus::waitForLogind(bool owned)
{
    const QDBusConnection watch(m_watchName);
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (watch.interface()->isServiceRegistered(LogindName).value() == owned)
            return true;
        // Waiting for the fake to end doubles as the pause between looks at the bus.
        if (owned && m_logind.waitForFinished(PollIntervalMs))
            return fail(
                QStringLiteral("The fake logind exited with code %1.").arg(m_logind.exitCode()));
        if (!owned)
            QThread::msleep(PollIntervalMs);
    }
    return fail(owned ? QStringLiteral("The fake logind never took its name.")
                      : QStringLiteral("The fake logind's name stayed on the bus."));
}

bool PrivateSystemBus::fail(const QString& error)
{
    m_error = error;
    return false;
}
