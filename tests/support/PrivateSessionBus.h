#pragma once

#include "PrivateBusDaemon.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// A dbus-daemon of the session type that only this test process uses, optionally with a fake
// notification area (org.kde.StatusNotifierWatcher) on it. While the object lives
// DBUS_SESSION_BUS_ADDRESS points at it, so it must be started before the process first uses
// the session bus: Qt keeps its first connection and asks only once whether a tray exists.
// Every process it starts is stopped by its id when the object goes.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Starts the daemon and exports its address.
    bool start();
    // Starts the fake notification area; returns once it owns its name on the bus.
    bool startWatcher();
    QString errorString() const { return m_bus.errorString(); }

    QString address() const { return m_bus.address(); }
    // True only while DBUS_SESSION_BUS_ADDRESS and the process's session bus connection both
    // lead to this daemon.
    bool isPrivate() const;

    // What the notification area saw, one line each, oldest first:
    // "Registered <bus name> <object path>" and "Unregistered <bus name> <object path>".
    QStringList events() const;

    // Calls a method of the item registered last with a click position, as a notification area
    // does (Activate, ContextMenu, SecondaryActivate); the error text, empty on success. The
    // item may live in this very process: the call keeps its events flowing while it waits.
    QString callItem(const QString& method, int x, int y) const;
    // The text of the item's ToolTip, or a null text when it cannot be read.
    QString itemToolTip() const;

private:
    QDBusMessage itemCall(const QString& interface, const QString& method,
                          const QVariantList& arguments) const;

    PrivateBusDaemon m_bus;
    QProcess m_watcher;
};
