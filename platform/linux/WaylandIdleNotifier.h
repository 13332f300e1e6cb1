#pragma once

#include "platform/IdleSource.h"

#include <vector>

class QSocketNotifier;
struct wl_callback;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct org_kde_kwin_idle;
struct org_kde_kwin_idle_timeout;

// A Wayland compositor's idle notifications: ext-idle-notify where the compositor has it, else
// KDE's older idle protocol. Both hold back while a program inhibits idleness, and neither says
// how long the user has been idle before the notification was asked for. Qt keeps its own
// Wayland connection to itself, so this one is the program's own, read on the event loop.
class WaylandIdleNotifier final : public IdleSource
{
    Q_OBJECT

public:
    WaylandIdleNotifier(int quietMs, QObject* parent);
    ~WaylandIdleNotifier() override;

    void findWay(std::function<void(Way)> found) override;
    void follow() override;
    void stop() override;

private:
    // Runs then once the compositor's globals are known, connecting first if need be.
    void whenReady(std::function<void()> then);
    void connectToCompositor();
    void read();
    void disconnectFromCompositor();
    void ready();
    void askForNotification();
    void dropNotification();

    const int m_quietMs;
    bool m_following = false;
    bool m_ready = false;
    std::vector<std::function<void()>> m_waiting;
    wl_display* m_display = nullptr;
    QSocketNotifier* m_reader = nullptr;
    wl_registry* m_registry = nullptr;
    wl_callback* m_roundTrip = nullptr;
    wl_seat* m_seat = nullptr;
    ext_idle_notifier_v1* m_notifier = nullptr;
    org_kde_kwin_idle* m_kdeIdle = nullptr;
    ext_idle_notification_v1* m_notification = nullptr; // while following, one or the other
    org_kde_kwin_idle_timeout* m_kdeTimeout = nullptr;
};
