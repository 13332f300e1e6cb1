#pragma once

#include "platform/MediaPlayers.h"
#include "platform/Notifier.h"

#include <QStringList>

// Media players that pause at once, or when the test says (answerLater), counted.
struct FakeMediaPlayers final : MediaPlayers
{
    void pausePlaying(std::function<void()> done) override
    {
        ++pauses;
        answerLater ? void(pending = std::move(done)) : done();
    }
    int pauses = 0;
    bool answerLater = false;
    std::function<void()> pending;
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
