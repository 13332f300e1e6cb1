#pragma once

#include "platform/IdleSource.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>

struct xcb_connection_t;

// The X server's own count of the time without input (the SYNC extension's IDLETIME counter),
// with one alarm at the moment idleness begins and one at the input that ends it: the server
// tells both, nothing is polled. The alarms live on Qt's own connection to the display, whose
// events every native event filter sees: no second connection to open, and no guess at which
// display Qt was told to use.
class XSyncIdleCounter final : public IdleSource, private QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    XSyncIdleCounter(int quietMs, QObject* parent);
    ~XSyncIdleCounter() override;

    void findWay(std::function<void(Way)> found) override;
    void follow() override;
    void stop() override;

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool findCounter();
    std::uint32_t createAlarm(std::uint32_t testType, qint64 value);

    const int m_quietMs;
    bool m_searched = false;
    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_counter = 0;
    std::uint8_t m_alarmNotify = 0; // the event's number on this server
    std::uint32_t m_idleAlarm = 0;  // while following
    std::uint32_t m_inputAlarm = 0;
    bool m_idle = false;
};
