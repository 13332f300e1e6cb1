#include "XSyncIdleCounter.h"

#include <QGuiApplication>

#include <cstring>
#include <xcb/sync.h>

namespace {

qint64 toInt64(xcb_sync_int64_t value)
{
    return static_cast<qint64>(static_cast<quint64>(static_cast<quint32>(value.hi)) << 32 |
                               value.lo);
}

} // namespace

XSyncIdleCounter::XSyncIdleCounter(int quietMs, QObject* parent)
    : IdleSource(parent), m_quietMs(quietMs)
{}

XSyncIdleCounter::~XSyncIdleCounter()
{
    stop();
}

void XSyncIdleCounter::findWay(std::function<void(Way)> found)
{
    found(findCounter() ? Way::Counts : Way::None);
}

bool XSyncIdleCounter::findCounter()
{
    if (std::exchange(m_searched, true))
        return m_counter != 0;
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_query_extension_reply_t* sync = xcb_get_extension_data(connection, &xcb_sync_id);
    if (!sync || !sync->present)
        return false;
    // One round trip to the display, once: Qt has asked for the extension already.
    const auto initialized =
        xcb_sync_initialize(connection, XCB_SYNC_MAJOR_VERSION, XCB_SYNC_MINOR_VERSION);
    const auto listed = xcb_sync_list_system_counters(connection);
    xcb_discard_reply(connection, initialized.sequence);
    xcb_sync_list_system_counters_reply_t* counters =
        xcb_sync_list_system_counters_reply(connection, listed, nullptr);
    // Read by hand: libxcb's own reading takes the entries' 14-byte heads for 16 bytes long.
    const auto* entry = reinterpret_cast<const std::uint8_t*>(counters + 1);
    for (std::uint32_t i = 0; counters && i < counters->counters_len; ++i) {
        std::uint16_t nameLength = 0;
        std::memcpy(&nameLength, entry + 12, sizeof nameLength);
        if (QLatin1String(reinterpret_cast<const char*>(entry) + 14, nameLength) ==
            QLatin1String("IDLETIME"))
            std::memcpy(&m_counter, entry, sizeof m_counter);
        entry += (14 + nameLength + 3) & ~3;
    }
    free(counters);
    m_connection = connection;
    m_alarmNotify = sync->first_event + XCB_SYNC_ALARM_NOTIFY;
    return m_counter != 0;
}

void XSyncIdleCounter::follow()
{
    if (m_idleAlarm || !findCounter())
        return;
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_idleAlarm = createAlarm(XCB_SYNC_TESTTYPE_POSITIVE_TRANSITION, m_quietMs);
    // The way down is told only from above the value: one below, for a counter that stopped at
    // exactly quietMs.
    m_inputAlarm = createAlarm(XCB_SYNC_TESTTYPE_NEGATIVE_TRANSITION, m_quietMs - 1);
    // Asked after the alarms exist: idleness that begins meanwhile is told once, not never.
    xcb_sync_query_counter_reply_t* counter = xcb_sync_query_counter_reply(
        m_connection, xcb_sync_query_counter(m_connection, m_counter), nullptr);
    const qint64 idleMs = counter ? toInt64(counter->counter_value) : 0;
    free(counter);
    m_idle = idleMs >= m_quietMs;
    if (m_idle)
        emit idle(idleMs);
}

void XSyncIdleCounter::stop()
{
    if (!m_idleAlarm)
        return;
    // Without the application, its connection to the display is gone with the alarms.
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        xcb_sync_destroy_alarm(m_connection, m_idleAlarm);
        xcb_sync_destroy_alarm(m_connection, m_inputAlarm);
        xcb_flush(m_connection);
    }
    m_idleAlarm = m_inputAlarm = 0;
    m_idle = false;
}

std::uint32_t XSyncIdleCounter::createAlarm(std::uint32_t testType, qint64 value)
{
    xcb_sync_create_alarm_value_list_t alarm = {};
    alarm.counter = m_counter;
    alarm.valueType = XCB_SYNC_VALUETYPE_ABSOLUTE;
    alarm.value = {static_cast<std::int32_t>(value >> 32), static_cast<std::uint32_t>(value)};
    alarm.testType = testType;
    alarm.events = 1;
    const std::uint32_t id = xcb_generate_id(m_connection);
    xcb_sync_create_alarm_aux(m_connection, id,
                              XCB_SYNC_CA_COUNTER | XCB_SYNC_CA_VALUE_TYPE | XCB_SYNC_CA_VALUE |
                                  XCB_SYNC_CA_TEST_TYPE | XCB_SYNC_CA_DELTA | XCB_SYNC_CA_EVENTS,
                              &alarm);
    return id;
}

bool XSyncIdleCounter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (eventType != "xcb_generic_event_t" || (event->response_type & 0x7f) != m_alarmNotify)
        return false;
    const auto* alarm = reinterpret_cast<const xcb_sync_alarm_notify_event_t*>(event);
    if (alarm->alarm != m_idleAlarm && alarm->alarm != m_inputAlarm)
        return false;
    if (alarm->state != XCB_SYNC_ALARMSTATE_DESTROYED && (alarm->alarm == m_idleAlarm) != m_idle) {
        m_idle = !m_idle;
        if (m_idle)
            emit idle(toInt64(alarm->counter_value));
        else
            emit active();
    }
    return true;
}
