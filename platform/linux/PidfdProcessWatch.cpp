#include "PidfdProcessWatch.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The system keeps this many characters of a process's name.
constexpr qsizetype NameLength = 15;

QByteArray readProc(qint64 pid, const char* file)
{
    QFile proc(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1StringView(file)));
    return proc.open(QIODevice::ReadOnly) ? proc.readAll() : QByteArray();
}

// A running process of this user's (not a kernel thread, not this program), with when it
// started, in clock ticks since boot.
struct Process
{
    qint64 pid = 0;
    QString name;
    qint64 started = 0;
};

QList<Process> ownProcesses()
{
    QList<Process> found;
    const QByteArray uid = QByteArray::number(::getuid());
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number || pid == ::getpid())
            continue;
        const QByteArray status = readProc(pid, "status");
        const qsizetype uidAt = status.indexOf("\nUid:");
        if (uidAt < 0 || status.mid(uidAt + 5).trimmed().split('\t').value(0) != uid ||
            readProc(pid, "cmdline").isEmpty())
            continue;
        // The fields after the name, which may hold blanks and parentheses itself.
        const QByteArray stat = readProc(pid, "stat");
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        found.append({pid, QString::fromUtf8(readProc(pid, "comm")).trimmed(),
                      fields.value(19).toLongLong()});
    }
    return found;
}

// The titles of the X11 windows that name their process, by process id.
QHash<qint64, QString> windowTitles()
{
    QHash<qint64, QString> titles;
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return titles;
    xcb_connection_t* connection = x11->connection();
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return found;
    };
    const auto property = [connection](xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, 4096), nullptr);
        QByteArray value;
        if (reply)
            value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        free(reply);
        return value;
    };
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QByteArray clients = property(root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    const xcb_atom_t nameAtom = atom("_NET_WM_NAME");
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    for (qsizetype i = 0; i + 4 <= clients.size(); i += 4) {
        xcb_window_t window = 0;
        memcpy(&window, clients.constData() + i, 4);
        const QByteArray pid = property(window, pidAtom, XCB_ATOM_CARDINAL);
        if (pid.size() != 4)
            continue;
        quint32 number = 0;
        memcpy(&number, pid.constData(), 4);
        titles.insert(number, QString::fromUtf8(property(window, nameAtom, utf8)));
    }
    return titles;
}

} // namespace

PidfdProcessWatch::~PidfdProcessWatch()
{
    stop();
}

QList<ProcessWatch::Program> PidfdProcessWatch::programs() const
{
    QList<Process> processes = ownProcesses();
    std::sort(processes.begin(), processes.end(),
              [](const Process& a, const Process& b) { return a.started > b.started; });
    const QHash<qint64, QString> titles = windowTitles();
    QList<Program> found;
    QStringList named;
    for (const Process& process : processes) {
        if (process.name.isEmpty() || named.contains(process.name))
            continue;
        named << process.name;
        found.append({process.name, titles.value(process.pid), process.pid});
    }
    return found;
}

int PidfdProcessWatch::follow(const QString& nameOrPid)
{
    stop();
    QList<qint64> pids;
    bool number = false;
    const qint64 pid = nameOrPid.toLongLong(&number);
    if (number && QFile::exists(QStringLiteral("/proc/%1").arg(pid))) {
        pids << pid;
    } else if (!number) {
        for (const Process& process : ownProcesses()) {
            if (process.name == nameOrPid.left(NameLength))
                pids << process.pid;
        }
    }
    for (const qint64 watched : pids) {
        const int descriptor = int(::syscall(SYS_pidfd_open, pid_t(watched), 0));
        if (descriptor < 0) {
            if (errno != ESRCH) // gone already, or else no descriptors here: looked at instead
                m_looked << watched;
            continue;
        }
        auto* watch = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
        connect(watch, &QSocketNotifier::activated, this, [this, watch] { exited(watch); });
        m_watched << watch;
    }
    return int(m_watched.size() + m_looked.size());
}

void PidfdProcessWatch::exited(QSocketNotifier* watch)
{
    m_watched.removeOne(watch);
    watch->setEnabled(false);
    ::close(int(watch->socket()));
    watch->deleteLater();
}

void PidfdProcessWatch::stop()
{
    for (QSocketNotifier* watch : std::as_const(m_watched)) {
        watch->setEnabled(false);
        ::close(int(watch->socket()));
        delete watch;
    }
    m_watched.clear();
    m_looked.clear();
}

bool PidfdProcessWatch::allExited() const
{
    m_looked.removeIf([](qint64 pid) { return ::kill(pid_t(pid), 0) < 0 && errno == ESRCH; });
    return m_watched.isEmpty() && m_looked.isEmpty();
}
