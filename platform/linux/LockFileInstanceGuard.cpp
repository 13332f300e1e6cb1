#include "LockFileInstanceGuard.h"

#include "RequestConnection.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show");
const QByteArray RunRequest = QByteArrayLiteral("run");
const QByteArray Taken = QByteArrayLiteral("ok\n");
constexpr int DeliveryTimeoutMs = 500;
constexpr int AnswerTimeoutMs = 5000;
constexpr int PatienceMs = 2000; // with a copy that is starting or ending
constexpr int RetryMs = 50;
constexpr int MaxConnections = 16;
constexpr int AcceptPauseMs = 200; // after a failed accept (out of descriptors, say)

// A folder of this user's that nobody else can write in (checked without following a link).
bool isPrivate(const QString& folder)
{
    struct stat info = {};
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The user's runtime folder (Qt's own choice, which is checked as well), else a folder of the
// program's in the user's cache folder; empty when neither is private. Never a shared folder:
// another account could take this user's requests or keep the program from starting.
QString privateFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (isPrivate(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString own = cache + QStringLiteral("/somnivo");
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return isPrivate(own) ? own : QString();
}

// The socket's address, or nothing when the path does not fit one.
std::optional<sockaddr_un> addressOf(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= qsizetype(sizeof(address.sun_path)))
        return std::nullopt;
    std::copy(encoded.begin(), encoded.end(), address.sun_path);
    return address;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& appName, QObject* parent)
    : InstanceGuard(parent)
{
    const QString folder = privateFolder();
    if (folder.isEmpty()) {
        qWarning("somnivo: no folder of this user's own for the single-instance lock; running "
                 "without it");
        return;
    }
    m_basePath = folder + QLatin1Char('/') + appName;
    m_lock = std::make_unique<QLockFile>(m_basePath + QStringLiteral(".lock"));
    // A lock left by a copy that crashed is taken over as soon as its process is gone.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard()
{
    release();
}

InstanceGuard::Outcome
LockFileInstanceGuard::runOrHandOver(const std::optional<QStringList>& arguments)
{
    QByteArray request;
    if (arguments) {
        // "run", then the arguments, each ended by a zero byte, in Base64.
        QByteArray joined;
        for (const QString& argument : *arguments)
            joined += argument.toUtf8() + '\0';
        request = RunRequest + ' ' + joined.toBase64() + '\n';
    } else {
        // "show", then the activation token if this start has one.
        const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN").simplified().replace(' ', "");
        request = ShowRequest + (token.isEmpty() ? "" : " " + token) + '\n';
    }
    const QDeadlineTimer patience(PatienceMs);
    while (!tryAcquire()) {
        if (send(request))
            return Outcome::HandedOver;
        if (patience.hasExpired())
            return Outcome::Unanswered;
        QThread::msleep(RetryMs);
    }
    return Outcome::Running;
}

bool LockFileInstanceGuard::tryAcquire()
{
    if (!m_lock || m_lock->isLocked())
        return true;
    if (!m_lock->tryLock(0))
        return false;
    listen();
    return true;
}

void LockFileInstanceGuard::release()
{
    delete std::exchange(m_incoming, nullptr);
    if (m_listener >= 0)
        ::close(std::exchange(m_listener, -1));
    qDeleteAll(findChildren<RequestConnection*>());
    if (m_lock)
        m_lock->unlock();
}

void LockFileInstanceGuard::listen()
{
    const auto address = addressOf(m_basePath + QStringLiteral(".socket"));
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (!address || m_listener < 0)
        return;
    // Only the holder of the lock gets here, so a socket file still present is a leftover.
    ::unlink(address->sun_path);
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) < 0 ||
        ::chmod(address->sun_path, 0600) < 0 || ::listen(m_listener, MaxConnections) < 0) {
        ::close(std::exchange(m_listener, -1));
        return;
    }
    m_incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_incoming, &QSocketNotifier::activated, this, &LockFileInstanceGuard::accept);
}

void LockFileInstanceGuard::accept()
{
    for (;;) {
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR &&
                errno != ECONNABORTED) {
                // Listening again at once would only fail again, as fast as it can.
                m_incoming->setEnabled(false);
                QTimer::singleShot(AcceptPauseMs, m_incoming,
                                   [this] { m_incoming->setEnabled(true); });
            }
            return;
        }
        if (findChildren<RequestConnection*>().size() >= MaxConnections) {
            ::close(client);
            continue;
        }
        auto* connection = new RequestConnection(client, this);
        connect(connection, &RequestConnection::received, this, &LockFileInstanceGuard::carryOut);
    }
}

void LockFileInstanceGuard::carryOut(RequestConnection* connection, const QByteArray& line)
{
    connection->deleteLater();
    const QList<QByteArray> words = line.split(' ');
    if (words.value(0) != ShowRequest && words.value(0) != RunRequest)
        return;
    // Taken only while the later copy still waits for the answer: one that has given up has told
    // its user that the request failed, and it must not be carried out after all.
    if (!connection->answer(Taken))
        return;
    if (words.value(0) == ShowRequest) {
        emit showRequested(QString::fromUtf8(words.value(1)));
        return;
    }
    QStringList arguments;
    const QByteArray joined = QByteArray::fromBase64(words.value(1));
    for (const QByteArray& argument : joined.split('\0'))
        arguments.append(QString::fromUtf8(argument));
    arguments.removeLast(); // after the last zero
    emit runRequested(arguments);
}

bool LockFileInstanceGuard::send(const QByteArray& request) const
{
    const auto address = addressOf(m_basePath + QStringLiteral(".socket"));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (!address || socket < 0)
        return false;
    bool delivered = false;
    pollfd writable{socket, POLLOUT, 0};
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0) {
        qsizetype sent = 0;
        while (sent < request.size() && ::poll(&writable, 1, DeliveryTimeoutMs) == 1) {
            const ssize_t written =
                ::send(socket, request.data() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
            if (written <= 0)
                break;
            sent += written;
        }
        delivered = sent == request.size();
    }
    if (delivered) {
        // A copy that is still starting, stuck or ending does not answer in time. Giving up shuts
        // the reading side first: an answer sent after that fails, and the running copy drops
        // the request; one sent before is still read here.
        char answer[3] = {};
        pollfd readable{socket, POLLIN, 0};
        ::poll(&readable, 1, AnswerTimeoutMs);
        ::shutdown(socket, SHUT_RD);
        delivered = ::recv(socket, answer, sizeof answer, MSG_DONTWAIT) == sizeof answer &&
                    QByteArray(answer, sizeof answer) == Taken;
    }
    ::close(socket);
    return delivered;
}
