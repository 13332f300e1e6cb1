#pragma once

#include <QtGlobal>

// A sound device's own volume range seen as the program's 0..65535, rounded to the nearest both
// ways, so that going there and back lands where it started on whichever side is finer.
namespace VolumeScale {

quint32 valueFromRaw(long raw, long minimum, long maximum);
// Never outside [minimum, maximum]: a device silently drops a write outside its range.
long rawFromValue(quint32 value, long minimum, long maximum);

} // namespace VolumeScale
