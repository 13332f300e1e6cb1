#pragma once

#include "tray/TrayIconBackend.h"

#include <QStringList>

// Records what the notification area is sent, one line each ("show", "hide", "icon <key>",
// "tip <text>"), and clicks the icon on the test's word.
class FakeTrayIconBackend final : public TrayIconBackend
{
public:
    bool isAvailable() const override { return available; }
    void show() override { calls.append(QStringLiteral("show")); }
    void hide() override { calls.append(QStringLiteral("hide")); }
    void setIcon(const QIcon& icon) override
    {
        calls.append(QStringLiteral("icon %1").arg(icon.cacheKey()));
    }
    void setToolTip(const QString& tip) override { calls.append(QStringLiteral("tip ") + tip); }
    void setActivationHandler(ActivationHandler handler) override
    {
        m_handler = std::move(handler);
    }

    // False when nobody listens.
    bool click(QSystemTrayIcon::ActivationReason reason)
    {
        if (!m_handler)
            return false;
        m_handler(reason);
        return true;
    }

    QStringList calls;
    bool available = true;

private:
    ActivationHandler m_handler;
};
