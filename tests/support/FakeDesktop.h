#pragma once

#include "platform/MediaPlayers.h"
#include "platform/Notifier.h"
#include "platform/ScreenLocker.h"
#include "platform/ScreenPower.h"

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

// A screen locker and the screens' power that answer at once, as the test says, counted.
struct FakeScreens final : ScreenLocker, ScreenPower
{
    void lock(SessionControl::Completion done) override
    {
        ++locks;
        done({locked, locked ? QString() : QStringLiteral("No screen locker answered.")});
    }
    void findWay(std::function<void(bool)> found) override { found(hasWay); }
    void turnOff(SessionControl::Completion done) override
    {
        ++turnedOff;
        done({true, {}});
    }
    int locks = 0;
    int turnedOff = 0;
    bool locked = true;
    bool hasWay = true;
};
