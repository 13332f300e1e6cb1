#pragma once

#include "tray/TrayIconBackend.h"

#include <QStringList>

// Records what the notification area is sent ("show", "hide", "icon <cacheKey>", "tip <text>")
// and keeps the handler of clicks on the icon.
struct FakeTrayIconBackend final : TrayIconBackend
{
    bool isAvailable() const override { return available; }
    void show() override { calls.append(QStringLiteral("show")); }
    void hide() override { calls.append(QStringLiteral("hide")); }
    void setIcon(const QIcon& icon) override
    {
        calls.append(QStringLiteral("icon %1").arg(icon.cacheKey()));
    }
    void setToolTip(const QString& tip) override { calls.append(QStringLiteral("tip ") + tip); }
    void setActivationHandler(ActivationHandler listener) override { handler = listener; }
    QStringList calls;
    bool available = true;
    ActivationHandler handler;
};
