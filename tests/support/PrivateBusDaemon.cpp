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

constexpr int TimeoutMs = 10000;

// Should the test process die without running destructors, the kernel ends the child.
void startChild(QProcess& process, const QString& program, const QStringList& arguments)
{
    const pid_t parent = getpid();
    process.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
    });
    process.start(program, arguments);
}

void killChild(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(TimeoutMs);
    }
}

QString busId(const QDBusConnection& bus)
{
    const QString dbus = QStringLiteral("org.freedesktop.DBus");
    const QDBusReply<QString> id = bus.call(QDBusMessage::createMethodCall(
        dbus, QStringLiteral("/org/freedesktop/DBus"), dbus, QStringLiteral("GetId")));
    return id.isValid() ? id.value() : QString();
}

QString supportFile(const char* name)
{
    return QStringLiteral(SOMNIVO_TEST_SUPPORT_DIR "/") + QLatin1StringView(name);
}

} // namespace

PrivateBusDaemon::PrivateBusDaemon(QDBusConnection::BusType type)
    : m_type(type), m_variable(type == QDBusConnection::SystemBus ? "DBUS_SYSTEM_BUS_ADDRESS"
                                                                  : "DBUS_SESSION_BUS_ADDRESS"),
      m_saved(qgetenv(m_variable)) // null when unset
{}

PrivateBusDaemon::~PrivateBusDaemon()
{
    QDBusConnection::disconnectFromBus(address());
    killChild(m_service);
    killChild(m_daemon);
    m_saved.isNull() ? qunsetenv(m_variable) : qputenv(m_variable, m_saved);
}

bool PrivateBusDaemon::start()
{
    m_daemon.setStandardErrorFile(filePath(QStringLiteral("dbus-daemon.log")));
    const char* config =
        m_type == QDBusConnection::SystemBus ? "system-bus.conf" : "session-bus.conf";
    startChild(m_daemon, QStringLiteral("dbus-daemon"),
               {QStringLiteral("--config-file=") + supportFile(config),
                QStringLiteral("--address=") + address(), QStringLiteral("--nofork"),
                QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    // The daemon prints its address once it listens.
    if (!m_daemon.waitForReadyRead(TimeoutMs)) {
        QFile log(filePath(QStringLiteral("dbus-daemon.log")));
        log.open(QIODevice::ReadOnly);
        return fail(QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString() +
                    QLatin1Char(' ') + QString::fromLocal8Bit(log.readAll()));
    }
    qputenv(m_variable, address().toLocal8Bit());
    m_busId = busId(QDBusConnection::connectToBus(address(), address()));
    return !m_busId.isEmpty() || fail(QStringLiteral("Cannot talk to the private bus."));
}

bool PrivateBusDaemon::isPrivate() const
{
    // The address variable is not enough: the process may have connected before it was set.
    return !m_busId.isEmpty() && m_daemon.state() == QProcess::Running &&
           qgetenv(m_variable) == address().toLocal8Bit() &&
           busId(m_type == QDBusConnection::SystemBus ? QDBusConnection::systemBus()
                                                      : QDBusConnection::sessionBus()) == m_busId;
}

bool PrivateBusDaemon::startService(const char* script, const QStringList& arguments,
                                    const QString& name)
{
    if (m_busId.isEmpty())
        return fail(QStringLiteral("The private bus is not running."));
    m_serviceName = name;
    m_service.setProcessChannelMode(QProcess::ForwardedChannels);
    // Told explicitly, so that it can only ever reach this bus.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1StringView(m_variable), address());
    m_service.setProcessEnvironment(environment);
    startChild(m_service, QStringLiteral("/usr/bin/python3"), // Debian's, with python3-dbus
               QStringList{QStringLiteral("-I"), supportFile(script)} + arguments);
    return waitForService(true);
}

bool PrivateBusDaemon::stopService()
{
    killChild(m_service);
    return m_serviceName.isEmpty() || waitForService(false);
}

bool PrivateBusDaemon::waitForService(bool owned)
{
    for (const QDeadlineTimer deadline(TimeoutMs); !deadline.hasExpired();) {
        if (connection().interface()->isServiceRegistered(m_serviceName).value() == owned)
            return true;
        // Waiting for the service to end doubles as the pause between looks at the bus.
        if (owned && m_service.waitForFinished(10))
            return fail(m_serviceName + QStringLiteral("'s service exited."));
        if (!owned)
            QThread::msleep(10);
    }
    return fail(m_serviceName +
                (owned ? QStringLiteral(" never came") : QStringLiteral(" stayed")));
}

QStringList PrivateBusDaemon::recordedLines(const QString& file) const
{
    QFile record(filePath(file));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool PrivateBusDaemon::fail(const QString& error)
{
    m_error = error;
    return false;
}
