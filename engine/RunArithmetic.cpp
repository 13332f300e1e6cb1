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

quint32 exitFlags(qint32 actionCode)
{
    if (actionCode == 1)
        return 13;
    return quint32(actionCode) | 4;
}

} // namespace RunArithmetic
