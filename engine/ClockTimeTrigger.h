#pragma once

#include "RunArithmetic.h"
#include "RunTrigger.h"

#include <utility>

// "At" a clock time, optionally "Daily": the run ends at the instant the clock next shows it;
// its hour and minute are read afresh at every tick, so changing them moves the end.
class ClockTimeTrigger final : public RunTrigger
{
public:
    ClockTimeTrigger(const Services& services, const Arming& arming)
        : m_services(services), m_notBefore(arming.notBefore)
    {}

    std::optional<double> minutes(QString* refusal) override;
    Change follow(double now) override;
    std::optional<qint64> remainingMs(double now) const override;
    bool reached(double now) const override;
    std::optional<double> fractionDone(double now) const override;
    QString plan(const QString& doing, std::optional<qint64> remainingMs,
                 bool spoken) const override;
    void extend(qint64 ms) override { m_extensionMs += ms; }
    bool repeatsDaily() const override { return true; }

private:
    // The hour and minute texts as numbers; nothing when they do not fit.
    std::optional<std::pair<qint32, qint32>> target() const;
    // The hour and minute of the clock now, as the run's state keeps them.
    void readClock();

    Services m_services;
    QDate m_notBefore;
    bool m_daily = false;
    std::optional<RunArithmetic::ClockTimeEnd> m_end; // nothing: the clock never shows it
    qint64 m_extensionMs = 0;                         // moved on by "+10 min"
};
