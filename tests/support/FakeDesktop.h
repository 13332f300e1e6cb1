#pragma once

#include "platform/MediaPlayers.h"
#include "platform/Notifier.h"

#include <QStringList>

// Media players that pause at once, counted.
struct FakeMediaPlayers final : MediaPlayers
{
    void pausePlaying(std::function<void()> done) override
    {
        ++pauses;
        done();
    }
    int pauses = 0;
};

// The notifications shown ("show <body>") and withdrawn ("withdraw"), in order.
struct FakeNotifier final : Notifier
{
    void show(const QString&, const QString& body, const QStringList&) override
    {
        calls << QStringLiteral("show ") + body;
    }
    void withdraw() override { calls << QStringLiteral("withdraw"); }
    QStringList calls;
};
