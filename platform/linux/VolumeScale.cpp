#include "VolumeScale.h"

#include "platform/Mixer.h"

#include <algorithm>

namespace {
constexpr qint64 ValueMaximum = Mixer::ValueMaximum;
} // namespace

namespace VolumeScale {

quint32 valueFromRaw(long raw, long minimum, long maximum)
{
    if (maximum <= minimum)
        return 0;
    const qint64 span = qint64(maximum) - minimum;
    const qint64 offset = std::clamp<qint64>(raw, minimum, maximum) - minimum;
    return quint32((offset * ValueMaximum + span / 2) / span);
}

long rawFromValue(quint32 value, long minimum, long maximum)
{
    if (maximum <= minimum)
        return minimum;
    const qint64 span = qint64(maximum) - minimum;
    const qint64 limited = std::min<qint64>(value, ValueMaximum);
    return long(minimum + (limited * span + ValueMaximum / 2) / ValueMaximum);
}

Mixer::Levels scaled(const Mixer::Levels& levels, qint64 loudest, qint64 minimum)
{
    const qint64 top = levels.empty() ? minimum : *std::max_element(levels.begin(), levels.end());
    Mixer::Levels result;
    for (const qint64 level : levels) {
        if (top <= minimum) {
            result.push_back(loudest);
            continue;
        }
        // Rounded down, as the sound server scales its own.
        result.push_back(minimum + (level - minimum) * (loudest - minimum) / (top - minimum));
    }
    return result;
}

} // namespace VolumeScale
