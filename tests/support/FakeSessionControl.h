#pragma once

#include "platform/SessionControl.h"

#include <QList>
#include <QStringList>

// Records every request instead of carrying it out ("exit 13", "sleep 2", "lock"); can be told
// to refuse, and what to answer when asked beforehand.
class FakeSessionControl final : public SessionControl
{
public:
    void enableShutdownPrivilege() override { ++privilegeCalls; }
    void requestExit(quint32 flags, Completion done) override
    {
        requests.append(flags);
        done(answer());
    }
    void check(Ability, OutlookCompletion done) override { done(outlook); }
    void sleep(Ability ability, Completion done) override
    {
        calls << QStringLiteral("sleep %1").arg(int(ability));
        done(answer());
    }
    void lockSession(Completion done) override
    {
        calls << QStringLiteral("lock");
        done(answer());
    }

    int privilegeCalls = 0;
    QList<quint32> requests;
    QStringList calls;
    QString refusal; // when not empty, every request is refused with this text
    Outlook outlook{QStringLiteral("yes"), {}};

private:
    Result answer() const { return refusal.isEmpty() ? Result{true, {}} : Result{false, refusal}; }
};
