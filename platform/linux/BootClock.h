#pragma once

#include "platform/Clock.h"

// CLOCK_BOOTTIME: a 64-bit count that includes time spent suspended, so a run set before the
// lid was closed still ends at the promised time.
class BootClock final : public Clock
{
public:
    qint64 milliseconds() const override;
    QDateTime localNow() const override;
};
