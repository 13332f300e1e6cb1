#pragma once

#include "platform/Mixer.h"

#include <QtGlobal>

// A sound device's own volume range seen as the program's 0..65535, rounded to the nearest both
// ways, so that going there and back lands where it started on whichever side is finer.
namespace VolumeScale {

quint32 valueFromRaw(long raw, long minimum, long maximum);
// Never outside [minimum, maximum]: a device silently drops a write outside its range.
long rawFromValue(quint32 value, long minimum, long maximum);

// The channels' levels with the loudest at loudest and every other as far above minimum in
// proportion as it was: the balance kept. Channels all at the minimum all go to loudest.
Mixer::Levels scaled(const Mixer::Levels& levels, qint64 loudest, qint64 minimum);

} // namespace VolumeScale
