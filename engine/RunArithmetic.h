#pragma once

#include <QDateTime>
#include <QStringView>
#include <QTimeZone>
#include <QtGlobal>

#include <optional>

// The sums behind a sleep run, as small pure functions.
namespace RunArithmetic {

// The minutes a countdown text asks for: the size of its number, fractions included ("2.5" is
// two and a half minutes, "-5" five).
double countdownMinutes(QStringView text);

// The longest countdown a run keeps: a year. Longer ones ("9e99" typed into the box, say) are
// refused at arming, so no time of a run ever overflows.
inline constexpr double LongestCountdownMinutes = 365.0 * 24 * 60;

// The minutes from the current clock time (its "HH:MM" text) to the hour and minute texts: the
// same day when the target is not earlier, the next day otherwise; 0 for the current minute.
// Nothing when the hour, the minute or the minute totals do not fit a 32-bit integer.
std::optional<qint32> clockTimeMinutes(QStringView nowText, QStringView hourText,
                                       QStringView minuteText);

// The hour and minute of an "HH:MM" text.
qint32 hourOf(QStringView clockText);
qint32 minuteOf(QStringView clockText);

// Slider units taken off at every end check: the start value spread over one step per second
// of the run. A run of no length spreads it over a minute.
qint32 fadeStep(int sliderValue, double sleepMinutes);

// How far the run has come: 0 at the start, 1 at its end, more after it. A run of no length
// has come to its end at once.
double elapsedFraction(double now, double startTick, double spanMs);

// The right end of the progress line, in twips: full length at fraction 0, shrunk to its left
// end at fraction 1, and on past it after that.
double progressX2(qint32 lineFullX2, qint32 lineLength, double fraction);

// The minutes left as people count them: whole minutes, counted up (0:01 is "1 min").
qint64 minutesLeft(qint64 remainingMs);

// Where a clock-time run ends: the local date and time it counts to, and the instant (ms since
// the epoch) from which on that time counts: the start of the minute the run was armed in, or
// for a daily time none, so that its first showing of the day counts.
struct ClockTimeEnd
{
    QDate date;
    QTime time;
    qint64 notBeforeMs = 0;

    friend bool operator==(const ClockTimeEnd&, const ClockTimeEnd&) = default;
};

// The first instant (ms since the epoch) from notBeforeMs on at which the clock of the zone shows
// date and time: of a time the clock shows twice (autumn), the first occurrence still to come;
// of a time it skips (spring), the first instant after the gap. Where the zone showed it only
// before notBeforeMs, the last such instant.
qint64 instantShowing(QDate date, QTime time, const QTimeZone& zone, qint64 notBeforeMs);

// The end of a clock-time run armed at now for hour:minute: today's when that minute has not
// passed yet (the current minute has not), tomorrow's otherwise. A daily time ends once a day:
// at its first showing of the day, on no day before notBefore (the day after its last end).
// Nothing for a time no clock shows.
std::optional<ClockTimeEnd> clockTimeEnd(const QDateTime& now, qint32 hour, qint32 minute,
                                         bool daily = false, QDate notBefore = {});

// The instant a clock-time run ends, in the zone the clock is in now.
qint64 instantOf(const ClockTimeEnd& end, const QTimeZone& zone);

// The exit request flags for an action code: shut down powers off (13), every other code is
// forced (code OR 4: log off 4, reboot 6).
quint32 exitFlags(qint32 actionCode);

} // namespace RunArithmetic
