#include "RunArithmetic.h"

#include "Conversions.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace RunArithmetic {

using Conversions::numberOf;
using Conversions::toInt32;

double countdownMinutes(QStringView text)
{
    return std::fabs(numberOf(text));
}

qint32 hourOf(QStringView clockText)
{
    return Conversions::toInt32Saturated(numberOf(clockText.left(2)));
}

qint32 minuteOf(QStringView clockText)
{
    return Conversions::toInt32Saturated(numberOf(clockText.right(2)));
}

std::optional<qint32> clockTimeMinutes(QStringView nowText, QStringView hourText,
                                       QStringView minuteText)
{
    const auto atHour = toInt32(numberOf(hourText));
    const auto atMinute = toInt32(numberOf(minuteText));
    if (!atHour || !atMinute)
        return std::nullopt;
    const qint64 now = qint64(hourOf(nowText)) * 60 + minuteOf(nowText);
    const qint64 target = qint64(*atHour) * 60 + *atMinute;
    const qint64 minutes = target >= now ? target - now : 1440 - (now - target);
    if (target < std::numeric_limits<qint32>::min() ||
        target > std::numeric_limits<qint32>::max() ||
        minutes > std::numeric_limits<qint32>::max() ||
        minutes < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return qint32(minutes);
}

qint32 fadeStep(int sliderValue, double sleepMinutes)
{
    if (sleepMinutes != 0)
        return Conversions::toInt32Saturated(sliderValue / (sleepMinutes * 60));
    return Conversions::toInt32Saturated(double(float(sliderValue) / 60.0f));
}

double elapsedFraction(double now, double startTick, double spanMs)
{
    if (spanMs == 0)
        return 1.0;
    return (now - startTick) / spanMs;
}

double progressX2(qint32 lineFullX2, qint32 lineLength, double fraction)
{
    return lineFullX2 - fraction * lineLength;
}

qint64 minutesLeft(qint64 remainingMs)
{
    return std::max<qint64>(0, (remainingMs + 59'999) / 60'000);
}

qint64 instantShowing(QDate date, QTime time, const QTimeZone& zone, qint64 notBeforeMs)
{
    constexpr qint64 Day = 86'400'000;
    const qint64 shownAsUtc = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const auto offsetAt = [&zone](qint64 instant) {
        return 1000LL * zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(instant, Qt::UTC));
    };
    // The clock shows it at most twice: once under the offset in force the day before, once
    // under the one of the day after.
    QList<qint64> shown;
    qint64 earliest = std::numeric_limits<qint64>::max();
    for (const qint64 offset : {offsetAt(shownAsUtc - Day), offsetAt(shownAsUtc + Day)}) {
        const qint64 candidate = shownAsUtc - offset;
        earliest = std::min(earliest, candidate);
        if (offsetAt(candidate) == offset && !shown.contains(candidate))
            shown.append(candidate);
    }
    if (shown.isEmpty()) {
        // Skipped: the clock jumps over it at the change between the two candidates.
        const QTimeZone::OffsetData change =
            zone.nextTransition(QDateTime::fromMSecsSinceEpoch(earliest, Qt::UTC));
        shown.append(change.atUtc.isValid() ? change.atUtc.toMSecsSinceEpoch() : earliest);
    }
    std::sort(shown.begin(), shown.end());
    for (const qint64 instant : shown) {
        if (instant >= notBeforeMs)
            return instant;
    }
    return shown.last();
}

std::optional<ClockTimeEnd> clockTimeEnd(const QDateTime& now, qint32 hour, qint32 minute,
                                         bool daily, QDate notBefore)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    const qint64 minuteStart =
        now.toMSecsSinceEpoch() - (now.time().second() * 1000 + now.time().msec());
    // A daily time's showing is the first of its day; a time shown twice comes twice otherwise.
    ClockTimeEnd end{std::max(now.date(), notBefore), QTime(hour, minute),
                     daily ? std::numeric_limits<qint64>::min() : minuteStart};
    if (instantOf(end, now.timeZone()) < minuteStart)
        end.date = end.date.addDays(1);
    return end;
}

qint64 instantOf(const ClockTimeEnd& end, const QTimeZone& zone)
{
    return instantShowing(end.date, end.time, zone, end.notBeforeMs);
}

quint32 exitFlags(qint32 actionCode)
{
    if (actionCode == 1)
        return 13;
    return quint32(actionCode) | 4;
}

} // namespace RunArithmetic
