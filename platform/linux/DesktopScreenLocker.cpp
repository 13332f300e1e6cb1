#include "DesktopScreenLocker.h"

#include "AsyncDBusCall.h"

#include <array>

namespace {

struct Locker
{
    const char* service;
    const char* path;
};
constexpr std::array<Locker, 2> Lockers{{{"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver"},
                                         {"org.freedesktop.ScreenSaver", "/ScreenSaver"}}};
constexpr int PatienceMs = 5000;

} // namespace

DesktopScreenLocker::DesktopScreenLocker(SessionControl& session) : m_session(session) {}

void DesktopScreenLocker::lock(SessionControl::Completion done)
{
    tryLocker(0, std::move(done));
}

void DesktopScreenLocker::tryLocker(std::size_t index, SessionControl::Completion done)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (index >= Lockers.size() || !bus.isConnected()) {
        m_session.lockSession(std::move(done));
        return;
    }
    const QString service = QLatin1StringView(Lockers[index].service);
    const QDBusMessage call = QDBusMessage::createMethodCall(
        service, QLatin1StringView(Lockers[index].path), service, QStringLiteral("Lock"));
    callAsyncForError(bus, call, PatienceMs, &m_answers,
                      [this, index, done = std::move(done)](const QString& error) {
                          if (error.isEmpty())
                              done({true, {}});
                          else
                              tryLocker(index + 1, done);
                      });
}
