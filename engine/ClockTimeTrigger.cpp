#include "ClockTimeTrigger.h"

#include "Conversions.h"
#include "EndingText.h"
#include "RunState.h"
#include "SettingKeys.h"
#include "SleepRunHost.h"
#include "platform/Clock.h"

#include <algorithm>

std::optional<std::pair<qint32, qint32>> ClockTimeTrigger::target() const
{
    const auto hour = Conversions::toInt32(Conversions::numberOf(m_services.host.hourText()));
    const auto minute = Conversions::toInt32(Conversions::numberOf(m_services.host.minuteText()));
    if (!hour || !minute)
        return std::nullopt;
    return std::pair(*hour, *minute);
}

void ClockTimeTrigger::readClock()
{
    const QString clock = m_services.clock.timeOfDayText();
    m_services.state.NowHour = RunArithmetic::hourOf(clock);
    m_services.state.NowMinute = RunArithmetic::minuteOf(clock);
}

std::optional<double> ClockTimeTrigger::minutes(QString*)
{
    RunState& state = m_services.state;
    readClock();
    const auto minutes = RunArithmetic::clockTimeMinutes(
        m_services.clock.timeOfDayText(), m_services.host.hourText(), m_services.host.minuteText());
    const auto at = target();
    if (!minutes || !at)
        return std::nullopt;
    std::tie(state.AtHour, state.AtMinute) = *at;
    // The clock time is an instant from now on: the run, its line and its fade count to it. A
    // daily one armed again after its end comes on a later day, whenever the re-arm comes.
    const QDateTime now = m_services.clock.localNow();
    m_daily = Conversions::numberOf(
                  m_services.host.readSetting(SettingKey::RunDaily, QStringLiteral("0"))) == 1;
    m_end = RunArithmetic::clockTimeEnd(now, state.AtHour, state.AtMinute, m_daily, m_notBefore);
    if (!m_end)
        return double(*minutes); // a time no clock shows: the run never ends by itself
    const qint64 ahead = RunArithmetic::instantOf(*m_end, now.timeZone()) - now.toMSecsSinceEpoch();
    return double(std::max<qint64>(0, ahead)) / 60'000;
}

RunTrigger::Change ClockTimeTrigger::follow(double)
{
    RunState& state = m_services.state;
    readClock();
    const auto at = target();
    if (!at) {
        m_end.reset();
        return Change::None;
    }
    if (m_end && *at == std::pair(state.AtHour, state.AtMinute))
        return Change::None;
    std::tie(state.AtHour, state.AtMinute) = *at;
    m_end = RunArithmetic::clockTimeEnd(m_services.clock.localNow(), state.AtHour, state.AtMinute,
                                        m_daily, m_notBefore);
    m_extensionMs = 0; // the user's new time holds over "+10 min"
    return Change::EndMoved;
}

std::optional<qint64> ClockTimeTrigger::remainingMs(double) const
{
    if (!m_end)
        return std::nullopt;
    const QDateTime wall = m_services.clock.localNow();
    return RunArithmetic::instantOf(*m_end, wall.timeZone()) + m_extensionMs -
           wall.toMSecsSinceEpoch();
}

bool ClockTimeTrigger::reached(double now) const
{
    // Once the clock has passed the instant; a clock that never shows the time never ends it.
    const auto remaining = remainingMs(now);
    return remaining && *remaining < 0;
}

std::optional<double> ClockTimeTrigger::fractionDone(double now) const
{
    // The line counts down to the instant, which a new time zone moves.
    const RunState& state = m_services.state;
    const double end = m_end ? now + double(*remainingMs(now)) : state.EndTick;
    return RunArithmetic::elapsedFraction(now, end - state.SleepSpanMs, state.SleepSpanMs);
}

QString ClockTimeTrigger::plan(const QString& doing, std::optional<qint64> remainingMs,
                               bool spoken) const
{
    return EndingText::at(doing, m_services.clock.localNow(), remainingMs.value_or(0), spoken);
}
