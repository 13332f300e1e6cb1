#include "PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
} // namespace

bool PrivateSessionBus::startWatcher()
{
    return startService("fake_status_notifier_watcher.py", {filePath(QStringLiteral("events"))},
                        QStringLiteral("org.kde.StatusNotifierWatcher"));
}

QDBusMessage PrivateSessionBus::itemCall(const QString& interface, const QString& method,
                                         const QVariantList& arguments) const
{
    QStringList item;
    for (const QString& line : events()) {
        if (line.startsWith(QLatin1StringView("Registered ")))
            item = line.split(QLatin1Char(' '));
    }
    if (item.size() != 3)
        return QDBusMessage::createError(QStringLiteral("org.freedesktop.DBus.Error.Failed"),
                                         QStringLiteral("No item has registered."));
    QDBusMessage call = QDBusMessage::createMethodCall(item.at(1), item.at(2), interface, method);
    call.setArguments(arguments);
    // BlockWithGui: the item's answer may have to come from this process's own event loop.
    return connection().call(call, QDBus::BlockWithGui, 10000);
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
    const auto toolTip =
        reply.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusArgument>();
    QString iconName;
    QString text;
    toolTip.beginStructure();
    toolTip >> iconName;
    toolTip.beginArray();
    toolTip.endArray();
    toolTip >> text;
    return text;
}
