#pragma once

#include "TrayIconBackend.h"

#include <QSystemTrayIcon>

// The icon as Qt shows it: a StatusNotifierItem on D-Bus, or an XEmbed icon where the desktop
// only has that.
class QtTrayIconBackend final : public TrayIconBackend
{
public:
    QtTrayIconBackend();

    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void show() override { m_icon.show(); }
    void hide() override { m_icon.hide(); }
    void setIcon(const QIcon& icon) override { m_icon.setIcon(icon); }
    void setToolTip(const QString& tip) override { m_icon.setToolTip(tip); }
    void setActivationHandler(ActivationHandler handler) override;

private:
    QSystemTrayIcon m_icon;
    ActivationHandler m_handler;
};
