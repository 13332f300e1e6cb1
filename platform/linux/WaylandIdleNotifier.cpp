#include "WaylandIdleNotifier.h"

#include <QSocketNotifier>

#include <cstring>
#include <ext-idle-notify-v1-client-protocol.h>
#include <idle-client-protocol.h>
#include <wayland-client.h>

WaylandIdleNotifier::WaylandIdleNotifier(int quietMs, QObject* parent)
    : IdleSource(parent), m_quietMs(quietMs)
{}

WaylandIdleNotifier::~WaylandIdleNotifier()
{
    disconnectFromCompositor();
}

void WaylandIdleNotifier::findWay(std::function<void(Way)> found)
{
    whenReady([this, found = std::move(found)] {
        found(m_seat && (m_notifier || m_kdeIdle) ? Way::Notifies : Way::None);
    });
}

void WaylandIdleNotifier::follow()
{
    if (std::exchange(m_following, true))
        return;
    whenReady([this] {
        if (m_following && !m_notification && !m_kdeTimeout)
            askForNotification();
    });
}

void WaylandIdleNotifier::stop()
{
    m_following = false;
    dropNotification();
    if (m_display)
        wl_display_flush(m_display);
}

void WaylandIdleNotifier::whenReady(std::function<void()> then)
{
    if (m_ready) {
        then();
        return;
    }
    m_waiting.push_back(std::move(then));
    if (!m_display)
        connectToCompositor();
}

void WaylandIdleNotifier::connectToCompositor()
{
    m_display = wl_display_connect(nullptr);
    if (!m_display) {
        ready();
        return;
    }
    static const wl_registry_listener globals = {
        [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
            auto* self = static_cast<WaylandIdleNotifier*>(data);
            const auto bind = [&](const wl_interface& kind, auto*& into) {
                using Proxy = std::remove_reference_t<decltype(into)>;
                if (!into && std::strcmp(interface, kind.name) == 0)
                    into = static_cast<Proxy>(wl_registry_bind(registry, name, &kind, 1));
            };
            bind(wl_seat_interface, self->m_seat);
            bind(ext_idle_notifier_v1_interface, self->m_notifier);
            bind(org_kde_kwin_idle_interface, self->m_kdeIdle);
        },
        [](void*, wl_registry*, uint32_t) {}};
    static const wl_callback_listener roundTripDone = {[](void* data, wl_callback*, uint32_t) {
        static_cast<WaylandIdleNotifier*>(data)->ready();
    }};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &globals, this);
    // Every global has been announced by the time the compositor answers this.
    m_roundTrip = wl_display_sync(m_display);
    wl_callback_add_listener(m_roundTrip, &roundTripDone, this);
    m_reader = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_reader, &QSocketNotifier::activated, this, &WaylandIdleNotifier::read);
    wl_display_flush(m_display);
}

void WaylandIdleNotifier::read()
{
    // Never waits: the socket has something, or the read comes back empty.
    while (wl_display_prepare_read(m_display) != 0)
        wl_display_dispatch_pending(m_display);
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0) {
        // The compositor has gone; a later follow() connects again.
        disconnectFromCompositor();
        ready();
        return;
    }
    wl_display_flush(m_display);
}

void WaylandIdleNotifier::ready()
{
    if (m_roundTrip)
        wl_callback_destroy(std::exchange(m_roundTrip, nullptr));
    m_ready = m_display != nullptr;
    for (const auto& then : std::exchange(m_waiting, {}))
        then();
}

void WaylandIdleNotifier::askForNotification()
{
    if (m_seat && m_notifier) {
        static const ext_idle_notification_v1_listener listener = {
            [](void* data, ext_idle_notification_v1*) {
                auto* self = static_cast<WaylandIdleNotifier*>(data);
                emit self->idle(self->m_quietMs);
            },
            [](void* data, ext_idle_notification_v1*) {
                emit static_cast<WaylandIdleNotifier*>(data)->active();
            }};
        m_notification = ext_idle_notifier_v1_get_idle_notification(m_notifier, m_quietMs, m_seat);
        ext_idle_notification_v1_add_listener(m_notification, &listener, this);
    } else if (m_seat && m_kdeIdle) {
        static const org_kde_kwin_idle_timeout_listener listener = {
            [](void* data, org_kde_kwin_idle_timeout*) {
                auto* self = static_cast<WaylandIdleNotifier*>(data);
                emit self->idle(self->m_quietMs);
            },
            [](void* data, org_kde_kwin_idle_timeout*) {
                emit static_cast<WaylandIdleNotifier*>(data)->active();
            }};
        m_kdeTimeout = org_kde_kwin_idle_get_idle_timeout(m_kdeIdle, m_seat, m_quietMs);
        org_kde_kwin_idle_timeout_add_listener(m_kdeTimeout, &listener, this);
    }
    wl_display_flush(m_display);
}

void WaylandIdleNotifier::dropNotification()
{
    if (m_notification)
        ext_idle_notification_v1_destroy(std::exchange(m_notification, nullptr));
    if (m_kdeTimeout)
        org_kde_kwin_idle_timeout_release(std::exchange(m_kdeTimeout, nullptr));
}

void WaylandIdleNotifier::disconnectFromCompositor()
{
    if (!m_display)
        return;
    dropNotification();
    if (m_roundTrip)
        wl_callback_destroy(std::exchange(m_roundTrip, nullptr));
    if (m_notifier)
        ext_idle_notifier_v1_destroy(std::exchange(m_notifier, nullptr));
    if (m_kdeIdle)
        org_kde_kwin_idle_destroy(std::exchange(m_kdeIdle, nullptr));
    if (m_seat)
        wl_seat_destroy(std::exchange(m_seat, nullptr));
    wl_registry_destroy(std::exchange(m_registry, nullptr));
    // Perhaps in the middle of its own signal: gone once that is over.
    QSocketNotifier* reader = std::exchange(m_reader, nullptr);
    reader->setEnabled(false);
    reader->deleteLater();
    wl_display_disconnect(std::exchange(m_display, nullptr));
    m_ready = false;
}
