#pragma once

#include <QDateTime>

// The one source of time for the program: a millisecond counter for run lengths and the local
// wall clock for the clock display and clock-time runs. Tests hand in a clock they move by hand.
class Clock
{
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; never wraps, never runs backwards, and keeps
    // counting while the machine is suspended.
    virtual qint64 milliseconds() const = 0;

    virtual QDateTime localNow() const = 0;

    // The local time of day as two-digit 24-hour hour, colon, two-digit minute ("07:05").
    QString timeOfDayText() const;
    // Today's date in the user's short date format.
    QString shortDateText() const;
};
