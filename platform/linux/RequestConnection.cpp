#include "RequestConnection.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int PatienceMs = 2000;
constexpr qsizetype MaxRequestSize = 64 * 1024;
} // namespace

RequestConnection::RequestConnection(int descriptor, QObject* parent)
    : QObject(parent), m_descriptor(descriptor), m_notifier(descriptor, QSocketNotifier::Read, this)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &RequestConnection::read);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &QObject::deleteLater);
    m_deadline.start(PatienceMs);
}

RequestConnection::~RequestConnection()
{
    // Not watched any more before it is closed: the event loop must never see a closed one.
    m_notifier.setEnabled(false);
    ::close(m_descriptor);
}

void RequestConnection::read()
{
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(m_descriptor, buffer, sizeof buffer)) > 0 &&
           m_received.size() < MaxRequestSize)
        m_received.append(buffer, count);
    if (const qsizetype end = m_received.indexOf('\n'); end >= 0) {
        m_notifier.setEnabled(false);
        m_deadline.stop();
        emit received(this, m_received.left(end));
    } else if (count == 0 || (count < 0 && errno != EAGAIN) ||
               m_received.size() >= MaxRequestSize) {
        m_notifier.setEnabled(false);
        deleteLater(); // gone, broken, or too long to be a request
    }
}

bool RequestConnection::answer(const QByteArray& text) const
{
    return ::send(m_descriptor, text.constData(), size_t(text.size()),
                  MSG_NOSIGNAL | MSG_DONTWAIT) == text.size();
}
