#include "LockFileInstanceGuard.h"

#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
constexpr int DeliveryTimeoutMs = 500;

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
    char buffer[512];
    ssize_t count = 0;
    while ((count = ::read(client, buffer, sizeof buffer)) > 0 && received.size() < 4096)
        received.append(buffer, count);
    const bool whole = received.contains('\n');
    if (!whole && count < 0 && errno == EAGAIN)
        return; // more to come
    notifier->deleteLater();
    ::close(client);
    // "show", then the activation token if the later copy had one.
    const QList<QByteArray> words = received.left(received.indexOf('\n')).split(' ');
    if (whole && words.value(0) == ShowRequest.trimmed())
        emit showRequested(QString::fromUtf8(words.value(1)));
}

void LockFileInstanceGuard::askRunningCopyToShow()
{
    const auto address = addressOf(m_basePath + QStringLiteral(".socket"));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (!address || socket < 0)
        return;
    pollfd writable{socket, POLLOUT, 0};
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof(*address)) == 0 ||
        (errno == EAGAIN && ::poll(&writable, 1, DeliveryTimeoutMs) == 1)) {
        const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN").simplified().replace(' ', "");
        const QByteArray request = "show" + (token.isEmpty() ? "" : " " + token) + '\n';
        [[maybe_unused]] const auto written = ::write(socket, request.data(), request.size());
    }
    ::close(socket);
}
