#include "CountdownTrigger.h"

#include "EndingText.h"
#include "RunArithmetic.h"
#include "RunState.h"
#include "SleepRunHost.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QLocale>

std::optional<double> CountdownTrigger::minutes(QString* refusal)
{
    const double minutes = RunArithmetic::countdownMinutes(m_services.host.countdownText());
    // A countdown that reads as no time at all is a typing slip, never a request to shut down at
    // once.
    if (minutes == 0)
        return std::nullopt;
    if (minutes > RunArithmetic::LongestCountdownMinutes) {
        *refusal = QCoreApplication::translate(
                       "SleepRun",
                       "This countdown is too long: a run can last at most a year (%1 minutes).")
                       .arg(QLocale().toString(qint64(RunArithmetic::LongestCountdownMinutes)));
        return std::nullopt;
    }
    return minutes;
}

std::optional<qint64> CountdownTrigger::remainingMs(double now) const
{
    return qint64(m_services.state.EndTick - now);
}

bool CountdownTrigger::reached(double now) const
{
    return now > m_services.state.EndTick;
}

std::optional<double> CountdownTrigger::fractionDone(double now) const
{
    const RunState& state = m_services.state;
    return RunArithmetic::elapsedFraction(now, state.EndTick - state.SleepSpanMs,
                                          state.SleepSpanMs);
}

QString CountdownTrigger::plan(const QString& doing, std::optional<qint64> remainingMs,
                               bool spoken) const
{
    return EndingText::at(doing, m_services.clock.localNow(), remainingMs.value_or(0), spoken);
}

void CountdownTrigger::extend(qint64 ms)
{
    m_services.state.EndTick += double(ms);
}
