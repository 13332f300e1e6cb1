#include "LockFileInstanceGuard.h"

#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show");
const QByteArray RunRequest = QByteArrayLiteral("run");
constexpr qsizetype MaxRequestSize = 64 * 1024;
constexpr int DeliveryTimeoutMs = 500;
constexpr int AnswerTimeoutMs = 5000;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
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
    : InstanceGuard(parent), m_basePath(runtimeFolder() + QLatin1Char('/') + appName),
      m_lock(m_basePath + QStringLiteral(".lock"))
{
    // A lock left by a copy that crashed is taken over as soon as its process is gone.
    m_lock.setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard()
{
    if (m_listener >= 0)
        ::close(m_listener);
}

bool LockFileInstanceGuard::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    if (!m_lock.tryLock(0))
        return false;
    listen();
    return true;
}

void LockFileInstanceGuard::listen()
{
    const QString path = m_basePath + QStringLiteral(".socket");
    const auto address = addressOf(path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (!address || m_listener < 0)
        return;
    // Only the holder of the lock gets here, so a socket file still present is a leftover.
    ::unlink(address->sun_path);
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) < 0 ||
        ::chmod(address->sun_path, 0600) < 0 || ::listen(m_listener, 8) < 0) {
        ::close(m_listener);
        m_listener = -1;
        return;
    }
    auto* incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, &LockFileInstanceGuard::accept);
}

void LockFileInstanceGuard::accept()
{
    int client = -1;
    while ((client = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
        auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(notifier, &QSocketNotifier::activated, this,
                [this, client, notifier, received] { receive(client, notifier, *received); });
    }
}

void LockFileInstanceGuard::receive(int client, QSocketNotifier* notifier, QByteArray& received)
{
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(client, buffer, sizeof buffer)) > 0 && received.size() < MaxRequestSize)
        received.append(buffer, count);
    const bool whole = received.contains('\n');
    if (!whole && count < 0 && errno == EAGAIN)
        return; // more to come
    notifier->deleteLater();
    // "show", then the activation token if the later copy had one; or "run", then the
    // arguments, each ended by a zero byte, in Base64.
    const QList<QByteArray> words = received.left(received.indexOf('\n')).split(' ');
    if (whole && words.value(0) == ShowRequest) {
        emit showRequested(QString::fromUtf8(words.value(1)));
    } else if (whole && words.value(0) == RunRequest) {
        QStringList arguments;
        const QByteArray joined = QByteArray::fromBase64(words.value(1));
        for (const QByteArray& argument : joined.split('\0'))
            arguments.append(QString::fromUtf8(argument));
        arguments.removeLast(); // after the last zero
        emit runRequested(arguments);
        // Not before now: the later copy ends once the request has been carried out.
        [[maybe_unused]] const auto written = ::send(client, "ok\n", 3, MSG_NOSIGNAL);
    }
    ::close(client);
}

void LockFileInstanceGuard::askRunningCopyToShow()
{
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN").simplified().replace(' ', "");
    send(ShowRequest + (token.isEmpty() ? "" : " " + token) + '\n', false);
}

bool LockFileInstanceGuard::askRunningCopyToRun(const QStringList& arguments)
{
    QByteArray joined;
    for (const QString& argument : arguments)
        joined += argument.toUtf8() + '\0';
    return send(RunRequest + ' ' + joined.toBase64() + '\n', true);
}

bool LockFileInstanceGuard::send(const QByteArray& request, bool awaitAnswer)
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
    if (delivered && awaitAnswer) {
        // Carrying out a request may ask the desktop a thing or two; a copy that is stuck
        // does not answer at all.
        char answer[3] = {};
        pollfd readable{socket, POLLIN, 0};
        delivered = ::poll(&readable, 1, AnswerTimeoutMs) == 1 &&
                    ::recv(socket, answer, sizeof answer, 0) == sizeof answer &&
                    QByteArray(answer, sizeof answer) == "ok\n";
    }
    ::close(socket);
    return delivered;
}
