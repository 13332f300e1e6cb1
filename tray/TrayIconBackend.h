#pragma once

#include <QIcon>
#include <QString>
#include <QSystemTrayIcon>

#include <functional>

// The notification area's side of the tray icon: what cSysTray sends it and the clicks it
// reports back. Tests put a recording fake in its place.
class TrayIconBackend
{
public:
    using ActivationHandler = std::function<void(QSystemTrayIcon::ActivationReason)>;

    virtual ~TrayIconBackend() = default;

    // Whether the desktop has a notification area that shows the icon.
    virtual bool isAvailable() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setToolTip(const QString& tip) = 0;
    // Called for each click on the shown icon; an empty handler stops the reports.
    virtual void setActivationHandler(ActivationHandler handler) = 0;
};
