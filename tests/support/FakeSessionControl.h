#pragma once

#include "platform/SessionControl.h"

#include <QList>

// Records every exit request instead of ending anything; can be told to refuse, and what to
// answer when asked beforehand.
class FakeSessionControl final : public SessionControl
{
public:
    void enableShutdownPrivilege() override { ++privilegeCalls; }
    Result requestExit(quint32 flags) override
    {
        requests.append(flags);
        return refusal.isEmpty() ? Result{true, {}} : Result{false, refusal};
    }
    void checkExit(quint32, OutlookCompletion done) override { done(outlook); }

    int privilegeCalls = 0;
    QList<quint32> requests;
    QString refusal; // when not empty, every request is refused with this text
    Outlook outlook{QStringLiteral("yes"), {}};
};
