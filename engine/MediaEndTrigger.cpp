#include "MediaEndTrigger.h"

#include "EndingText.h"
#include "RunState.h"
#include "platform/Clock.h"
#include "platform/MediaWatch.h"

#include <QCoreApplication>

#include <cmath>

namespace {
// An estimate that moves by more than this (a seek, another rate) moves the fade with it.
constexpr double MovedMs = 2000;
} // namespace

MediaEndTrigger::~MediaEndTrigger()
{
    stop();
}

void MediaEndTrigger::start(std::function<void(const Start&)> ready)
{
    m_started = double(m_services.clock.milliseconds());
    *m_following = true;
    m_services.media.follow([this, following = m_following, ready = std::move(ready)](int players) {
        if (!*following)
            return;
        if (players == 0) {
            ready({QCoreApplication::translate("SleepRun", "No media is playing."), {}});
            return;
        }
        if (m_services.state.DiminFlag == 1 && !m_services.media.state().remainingMs)
            ready({{},
                   QCoreApplication::translate(
                       "SleepRun", "The media playing now does not tell how long it lasts: "
                                   "Diminuendo cannot fade the volume to its end.")});
        else
            ready({});
    });
}

void MediaEndTrigger::stop()
{
    if (std::exchange(*m_following, false))
        m_services.media.stop();
}

RunTrigger::Change MediaEndTrigger::follow(double now)
{
    const std::optional<qint64> remaining = remainingMs(now);
    const std::optional<double> end =
        remaining ? std::optional(now + double(*remaining)) : std::nullopt;
    const bool moved = end && (!m_end || std::fabs(*end - *m_end) > MovedMs);
    m_end = end;
    return moved ? Change::EndMoved : Change::None;
}

std::optional<qint64> MediaEndTrigger::remainingMs(double) const
{
    const MediaWatch::State state = m_services.media.state();
    if (state.paused || !state.remainingMs)
        return std::nullopt;
    return *state.remainingMs + m_afterwardsMs;
}

bool MediaEndTrigger::reached(double) const
{
    return m_services.media.state().finished;
}

bool MediaEndTrigger::fading() const
{
    const MediaWatch::State state = m_services.media.state();
    return !state.paused && state.remainingMs && !state.finished;
}

std::optional<double> MediaEndTrigger::fractionDone(double now) const
{
    const std::optional<qint64> remaining = remainingMs(now);
    if (!remaining)
        return std::nullopt;
    const double done = now - m_started;
    return done / (done + double(std::max<qint64>(*remaining, 1)));
}

QString MediaEndTrigger::plan(const QString& doing, std::optional<qint64> remainingMs,
                              bool spoken) const
{
    return EndingText::whenMediaEnds(doing, remainingMs, m_services.media.state().paused, spoken);
}
