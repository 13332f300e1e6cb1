#pragma once

#include "platform/IdleSource.h"

#include <vector>

// The time without input in the first way the desktop offers: GNOME's idle monitor, a Wayland
// compositor's idle notifications, or the X server's idle counter.
class DesktopIdleSource final : public IdleSource
{
    Q_OBJECT

public:
    explicit DesktopIdleSource(QObject* parent = nullptr);

    void findWay(std::function<void(Way)> found) override;
    void follow() override;
    void stop() override;

private:
    void findFrom(std::size_t index, const std::function<void(Way)>& found);

    std::vector<IdleSource*> m_sources; // in the order they are asked
    IdleSource* m_found = nullptr;      // the first that has a way, once known
    Way m_way = Way::None;
    bool m_following = false;
};
