#include "PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString WatcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherLabel = QStringLiteral("The fake notification area");
const QString EventRecord = QStringLiteral("watcher-events.txt");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
constexpr int CallTimeoutMs = 10000;

} // namespace

PrivateSessionBus::PrivateSessionBus()
    : m_bus("DBUS_SESSION_BUS_ADDRESS", "session-bus.conf", "session_bus_socket")
{}

PrivateSessionBus::~PrivateSessionBus()
{
    PrivateBusDaemon::stopProcess(m_watcher);
}

bool PrivateSessionBus::start()
{
    return m_bus.start();
}

bool PrivateSessionBus::startWatcher()
{
    return m_bus.startService(m_watcher, WatcherLabel, "fake_status_notifier_watcher.py",
                              {QStringLiteral("--record"), m_bus.filePath(EventRecord)},
                              WatcherName);
}

bool PrivateSessionBus::isPrivate() const
{
    return m_bus.isPrivate(QDBusConnection::sessionBus());
}

QStringList PrivateSessionBus::events() const
{
    return m_bus.recordedLines(EventRecord);
}

QDBusMessage PrivateSessionBus::itemCall(const QString& interface, const QString& method,
                                         const QVariantList& arguments) const
{
    QStringList registered;
    for (const QString& line : events()) {
        if (line.startsWith(QLatin1StringView("Registered ")))
            registered = line.split(QLatin1Char(' '));
    }
    if (registered.size() != 3)
        return QDBusMessage::createError(QStringLiteral("org.freedesktop.DBus.Error.Failed"),
                                         QStringLiteral("No item has registered."));
    QDBusMessage call =
        QDBusMessage::createMethodCall(registered.at(1), registered.at(2), interface, method);
    call.setArguments(arguments);
    // BlockWithGui: the item's answer may have to come from this process's own event loop.
    return m_bus.connection().call(call, QDBus::BlockWithGui, CallTimeoutMs);
}

QString PrivateSessionBus::callItem(const QString& method, int x, int y) const
{
    const QDBusMessage reply = itemCall(ItemInterface, method, {x, y});
    return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
}

QString PrivateSessionBus::itemToolTip() const
{
    const QDBusMessage reply =
        itemCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                 {ItemInterface, QStringLiteral("ToolTip")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    // (sa(iiay)ss): icon name, icon pixmaps, the tip's text, its longer description.
    const QDBusArgument toolTip =
        reply.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusArgument>();
    if (toolTip.currentSignature() != QLatin1StringView("(sa(iiay)ss)"))
        return {};
    QString iconName;
    QString text;
    toolTip.beginStructure();
    toolTip >> iconName;
    toolTip.beginArray(); // the pixmaps are of no interest
    toolTip.endArray();
    toolTip >> text;
    return text;
}
