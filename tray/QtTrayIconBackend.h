#pragma once

#include "TrayIconBackend.h"

#include <QSystemTrayIcon>

#include <memory>

// The icon as Qt shows it: a StatusNotifierItem on D-Bus, or an XEmbed icon where the desktop
// only has that. Qt's icon is only made when first needed: making it connects to the bus.
class QtTrayIconBackend final : public TrayIconBackend
{
public:
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void show() override { icon().show(); }
    void hide() override { icon().hide(); }
    void setIcon(const QIcon& image) override { icon().setIcon(image); }
    void setToolTip(const QString& tip) override { icon().setToolTip(tip); }
    void setActivationHandler(ActivationHandler handler) override;

private:
    QSystemTrayIcon& icon();

    std::unique_ptr<QSystemTrayIcon> m_icon;
    ActivationHandler m_handler;
};
