#pragma once

#include "platform/ProcessWatch.h"

#include <QList>

class QSocketNotifier;

// The user's processes as /proc lists them; each one watched through a descriptor of its own
// (pidfd), which tells its exit at once and cannot be confused with a later process given the
// same number; where the system has no such descriptors, by looking at every question.
class PidfdProcessWatch final : public ProcessWatch
{
    Q_OBJECT

public:
    using ProcessWatch::ProcessWatch;
    ~PidfdProcessWatch() override;

    QList<Program> programs() const override;
    int follow(const QString& nameOrPid) override;
    void stop() override;
    bool allExited() const override;

private:
    void exited(QSocketNotifier* watch);

    QList<QSocketNotifier*> m_watched; // one per process, on its descriptor
    mutable QList<qint64> m_looked;    // processes watched by looking
};
