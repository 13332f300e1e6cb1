#pragma once

#include "platform/Clock.h"

#include <QTimeZone>

// A clock that stands still until the test moves it, in a zone of the test's choice (never the
// machine's).
class FakeClock final : public Clock
{
public:
    qint64 milliseconds() const override { return m_milliseconds; }
    QDateTime localNow() const override { return m_now; }

    void advance(qint64 ms)
    {
        m_milliseconds += ms;
        m_now = m_now.addMSecs(ms);
    }
    void setLocalNow(const QDateTime& now) { m_now = now; }

private:
    qint64 m_milliseconds = 1'000'000;
    QDateTime m_now{QDate(2026, 12, 6), QTime(7, 29, 50), QTimeZone("Europe/Berlin")};
};
