#include "MutterIdleMonitor.h"

#include "AsyncDBusCall.h"

namespace {

const QString Service = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString Path = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
constexpr int PatienceMs = 5000;

QDBusMessage call(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

MutterIdleMonitor::MutterIdleMonitor(int quietMs, QObject* parent)
    : IdleSource(parent), m_quietMs(quietMs)
{}

MutterIdleMonitor::~MutterIdleMonitor()
{
    stop();
}

void MutterIdleMonitor::findWay(std::function<void(Way)> found)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        found(Way::None);
        return;
    }
    callAsync(bus, call(QStringLiteral("GetIdletime")), PatienceMs, this,
              [found = std::move(found)](const QVariant& idleMs) {
                  found(idleMs.isValid() ? Way::Counts : Way::None);
              });
}

void MutterIdleMonitor::follow()
{
    if (std::exchange(m_following, true))
        return;
    const int round = ++m_round;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(Service, Path, Service, QStringLiteral("WatchFired"), this,
                SLOT(onWatchFired(uint)));
    // Asked before the idle watch is added, which fires at once for a user idle already: the
    // answer says for how long.
    callAsync(bus, call(QStringLiteral("GetIdletime")), PatienceMs, this,
              [this, round](const QVariant& idleMs) {
                  if (round == m_round && idleMs.toLongLong() >= m_quietMs)
                      becomeIdle(idleMs.toLongLong());
              });
    addWatch(QStringLiteral("AddIdleWatch"), {QVariant::fromValue(quint64(m_quietMs))},
             &MutterIdleMonitor::m_idleWatch);
}

void MutterIdleMonitor::stop()
{
    if (!std::exchange(m_following, false))
        return;
    ++m_round;
    m_idle = false;
    for (uint* watch : {&m_idleWatch, &m_inputWatch}) {
        if (*watch)
            removeWatch(std::exchange(*watch, 0));
    }
    QDBusConnection::sessionBus().disconnect(Service, Path, Service, QStringLiteral("WatchFired"),
                                             this, SLOT(onWatchFired(uint)));
}

void MutterIdleMonitor::onWatchFired(uint watch)
{
    // Other parts of the program add watches on the same connection.
    if (watch == 0 || !m_following)
        return;
    if (watch == m_idleWatch) {
        becomeIdle(m_quietMs);
    } else if (watch == m_inputWatch) {
        m_inputWatch = 0; // fired once, and gone
        m_idle = false;
        emit active();
    }
}

void MutterIdleMonitor::becomeIdle(qint64 forMs)
{
    if (std::exchange(m_idle, true))
        return;
    addWatch(QStringLiteral("AddUserActiveWatch"), {}, &MutterIdleMonitor::m_inputWatch);
    emit idle(forMs);
}

void MutterIdleMonitor::addWatch(const QString& method, const QVariantList& arguments,
                                 uint MutterIdleMonitor::*watch)
{
    const int round = m_round;
    callAsync(QDBusConnection::sessionBus(), call(method, arguments), PatienceMs, this,
              [this, round, watch](const QVariant& id) {
                  if (!id.isValid())
                      return;
                  if (round == m_round)
                      this->*watch = id.toUInt();
                  else // added for a follow() that has ended since
                      removeWatch(id.toUInt());
              });
}

void MutterIdleMonitor::removeWatch(uint watch)
{
    QDBusConnection::sessionBus().send(call(QStringLiteral("RemoveWatch"), {watch}));
}
