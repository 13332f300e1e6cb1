#include "RunArithmetic.h"

#include "Conversions.h"

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

std::optional<qint64> clockTimeRemainingMs(const QTime& now, qint32 atHour, qint32 atMinute,
                                           qint32 extraMinutes)
{
    if (atHour < 0 || atHour > 23 || atMinute < 0 || atMinute > 59)
        return std::nullopt;
    constexpr qint64 Day = 24 * 60;
    const qint64 target = ((atHour * 60LL + atMinute + extraMinutes) % Day + Day) % Day;
    const qint64 minutesAhead = ((target - (now.hour() * 60 + now.minute())) % Day + Day) % Day;
    if (minutesAhead == 0)
        return 0; // inside the target minute: the end
    return minutesAhead * 60'000 - (now.second() * 1000 + now.msec());
}

quint32 exitFlags(qint32 actionCode)
{
    if (actionCode == 1)
        return 13;
    return quint32(actionCode) | 4;
}

} // namespace RunArithmetic
