#pragma once

#include <QStringView>
#include <QTime>
#include <QtGlobal>

#include <optional>

// The sums behind a sleep run, as small pure functions.
namespace RunArithmetic {

// The minutes a countdown text asks for: the size of its number, fractions included ("2.5" is
// two and a half minutes, "-5" five).
double countdownMinutes(QStringView text);

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

// The milliseconds from now until a clock-time run ends, at the start of the target minute moved
// on by extraMinutes; 0 or less within that minute. Nothing for a target no clock shows.
std::optional<qint64> clockTimeRemainingMs(const QTime& now, qint32 atHour, qint32 atMinute,
                                           qint32 extraMinutes);

// The exit request flags for an action code: shut down powers off (13), every other code is
// forced (code OR 4: log off 4, reboot 6).
quint32 exitFlags(qint32 actionCode);

} // namespace RunArithmetic
