#include "PrivateBusDaemon.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3"); // Debian's, with python3-dbus
constexpr int StartTimeoutMs = 10000;
constexpr int PollIntervalMs = 10;

QString supportFile(const char* name)
{
    return QStringLiteral(SOMNIVO_TEST_SUPPORT_DIR "/") + QLatin1StringView(name);
}

} // namespace

PrivateBusDaemon::PrivateBusDaemon(const char* addressVariable, const char* configName,
                                   const char* socketName)
    : m_variable(addressVariable), m_config(supportFile(configName)),
      m_socketName(QLatin1StringView(socketName)),
      m_connectionName(
          QStringLiteral("somnivo-private-bus-%1").arg(reinterpret_cast<quintptr>(this))),
      m_savedAddress(qgetenv(addressVariable)),
      m_hadAddress(qEnvironmentVariableIsSet(addressVariable))
{}

PrivateBusDaemon::~PrivateBusDaemon()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    stopProcess(m_daemon);
    if (!m_exported)
        return;
    if (m_hadAddress)
        qputenv(m_variable.constData(), m_savedAddress);
    else
        qunsetenv(m_variable.constData());
}

QString PrivateBusDaemon::address() const
{
    return QStringLiteral("unix:path=") + m_dir.filePath(m_socketName);
}

QDBusConnection PrivateBusDaemon::connection() const
{
    return QDBusConnection(m_connectionName);
}

QStringList PrivateBusDaemon::recordedLines(const QString& name) const
{
    QFile record(filePath(name));
    if (!record.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool PrivateBusDaemon::start()
{
    if (!m_dir.isValid())
        return fail(QStringLiteral("No temporary folder: ") + m_dir.errorString());
    const QString logPath = m_dir.filePath(QStringLiteral("dbus-daemon.log"));
    m_daemon.setStandardErrorFile(logPath);
    startProcess(m_daemon, QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--config-file=") + m_config,
                  QStringLiteral("--address=") + address(), QStringLiteral("--nofork"),
                  QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    // The daemon prints its address once it listens.
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(deadline.remainingTime())) {
    }
    if (!m_daemon.canReadLine()) {
        QFile log(logPath);
        log.open(QIODevice::ReadOnly);
        return fail(QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString() +
                    QLatin1Char(' ') + QString::fromLocal8Bit(log.readAll()));
    }

    qputenv(m_variable.constData(), address().toLocal8Bit());
    m_exported = true;
    const QDBusConnection bus = QDBusConnection::connectToBus(address(), m_connectionName);
    m_busId = busId(bus);
    if (m_busId.isEmpty())
        return fail(QStringLiteral("Cannot talk to the private bus: ") + bus.lastError().message());
    return true;
}

bool PrivateBusDaemon::isPrivate(const QDBusConnection& bus) const
{
    if (m_busId.isEmpty() || m_daemon.state() != QProcess::Running ||
        qgetenv(m_variable.constData()) != address().toLocal8Bit())
        return false;
    // The environment is not enough: the process may have connected before it was set.
    return busId(bus) == m_busId;
}

bool PrivateBusDaemon::startService(QProcess& service, const QString& label, const char* script,
                                    const QStringList& arguments, const QString& name)
{
    if (m_busId.isEmpty())
        return fail(QStringLiteral("The private bus is not running."));
    service.setProcessChannelMode(QProcess::ForwardedChannels);
    // Told explicitly, so that it can only ever reach this bus.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(m_variable), address());
    service.setProcessEnvironment(environment);
    startProcess(service, Python,
                 QStringList{QStringLiteral("-I"), supportFile(script)} + arguments);
    if (!service.waitForStarted(StartTimeoutMs))
        return fail(label + QStringLiteral(" did not start: ") + service.errorString());
    return waitForName(name, true, service, label);
}

bool PrivateBusDaemon::stopService(QProcess& service, const QString& label, const QString& name)
{
    if (service.state() == QProcess::NotRunning)
        return true;
    stopProcess(service);
    return waitForName(name, false, service, label);
}

void PrivateBusDaemon::startProcess(QProcess& process, const QString& program,
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

QString PrivateBusDaemon::busId(const QDBusConnection& bus)
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

void PrivateBusDaemon::stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(StartTimeoutMs);
}

bool PrivateBusDaemon::waitForName(const QString& name, bool owned, QProcess& service,
                                   const QString& label)
{
    const QDBusConnection bus = connection();
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired()) {
        if (bus.interface()->isServiceRegistered(name).value() == owned)
            return true;
        // Waiting for the service to end doubles as the pause between looks at the bus.
        if (owned && service.waitForFinished(PollIntervalMs))
            return fail(label + QStringLiteral(" exited with code %1.").arg(service.exitCode()));
        if (!owned)
            QThread::msleep(PollIntervalMs);
    }
    return fail(owned ? label + QStringLiteral(" never took its name.")
                      : label + QStringLiteral("'s name stayed on the bus."));
}

bool PrivateBusDaemon::fail(const QString& error)
{
    m_error = error;
    return false;
}
