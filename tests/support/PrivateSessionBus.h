#pragma once

#include "PrivateBusDaemon.h"

// A private session bus, optionally with a fake notification area (org.kde.StatusNotifierWatcher)
// on it. It must be started before the process first uses the session bus: Qt keeps its first
// connection and asks only once whether a notification area exists.
class PrivateSessionBus : public PrivateBusDaemon
{
public:
    PrivateSessionBus() : PrivateBusDaemon(QDBusConnection::SessionBus) {}

    bool startWatcher();
    // What the notification area saw, oldest first: "Registered <bus name> <object path>" and
    // "Unregistered <bus name> <object path>".
    QStringList events() const { return recordedLines(QStringLiteral("events")); }
    // Calls Activate, ContextMenu or SecondaryActivate on the item registered last, as a
    // notification area does; the error text, empty on success. The item may live in this very
    // process: its events keep flowing during the call.
    QString callItem(const QString& method, int x, int y) const;
    // The text of the item's ToolTip, or a null text when it cannot be read.
    QString itemToolTip() const;

private:
    QDBusMessage itemCall(const QString& interface, const QString& method,
                          const QVariantList& arguments) const;
};
