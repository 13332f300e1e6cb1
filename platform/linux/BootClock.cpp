#include "BootClock.h"

#include <time.h>

qint64 BootClock::milliseconds() const
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

QDateTime BootClock::localNow() const
{
    return QDateTime::currentDateTime();
}
