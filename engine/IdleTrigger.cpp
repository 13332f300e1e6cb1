#include "IdleTrigger.h"

#include "EndingText.h"
#include "RunArithmetic.h"
#include "SleepRunHost.h"
#include "platform/Clock.h"
#include "platform/IdleSource.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>

#include <algorithm>

std::optional<double> IdleTrigger::minutes(QString* refusal)
{
    m_minutes = RunArithmetic::countdownMinutes(m_services.host.idleText());
    if (m_minutes == 0)
        return std::nullopt;
    if (m_minutes > RunArithmetic::LongestCountdownMinutes) {
        *refusal =
            QCoreApplication::translate("SleepRun", "This time without input is too long: a run "
                                                    "can last at most a year (%1 minutes).")
                .arg(QLocale().toString(qint64(RunArithmetic::LongestCountdownMinutes)));
        return std::nullopt;
    }
    return m_minutes;
}

void IdleTrigger::start(std::function<void(const Start&)> ready)
{
    IdleSource& source = m_services.idle;
    const Clock& clock = m_services.clock;
    QObject::connect(&source, &IdleSource::idle, &m_context, [this, &clock](qint64 forMs) {
        m_idleSince = double(clock.milliseconds() - forMs);
    });
    QObject::connect(&source, &IdleSource::active, &m_context, [this] {
        m_idleSince.reset();
        m_back = true;
    });
    source.follow();
    QPointer<QObject> alive(&m_context);
    source.findWay([alive, ready = std::move(ready)](IdleSource::Way way) {
        if (!alive)
            return;
        // Where only such a source exists, waiting silently for ever would be a surprise.
        if (way == IdleSource::Way::None)
            ready({EndingText::noIdleTime(), {}});
        else if (way == IdleSource::Way::Notifies)
            ready({{},
                   QCoreApplication::translate("SleepRun",
                                               "While a program keeps the screen on, this "
                                               "desktop does not count time without input.")});
        else
            ready({});
    });
}

void IdleTrigger::stop()
{
    QObject::disconnect(&m_services.idle, nullptr, &m_context, nullptr);
    m_services.idle.stop();
}

RunTrigger::Change IdleTrigger::follow(double)
{
    return std::exchange(m_back, false) ? Change::StartedAgain : Change::None;
}

RunTrigger::Change IdleTrigger::woke(double now)
{
    // Sleep is not idleness: the count starts from nothing on waking.
    m_idleSince = now;
    return Change::StartedAgain;
}

qint64 IdleTrigger::idleMs(double now) const
{
    return m_idleSince ? std::max<qint64>(0, qint64(now - *m_idleSince)) : 0;
}

std::optional<qint64> IdleTrigger::remainingMs(double now) const
{
    return qint64(m_minutes * 60'000) - idleMs(now);
}

bool IdleTrigger::reached(double now) const
{
    return *remainingMs(now) <= 0;
}

std::optional<double> IdleTrigger::fractionDone(double now) const
{
    return double(idleMs(now)) / (m_minutes * 60'000);
}

QString IdleTrigger::plan(const QString& doing, std::optional<qint64>, bool spoken) const
{
    return EndingText::afterIdle(doing, m_minutes, idleMs(double(m_services.clock.milliseconds())),
                                 spoken);
}
