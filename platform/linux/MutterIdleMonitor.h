#pragma once

#include "platform/IdleSource.h"

// GNOME's idle monitor on the session bus, on X11 and Wayland alike: a watch that fires a quiet
// spell after the last input, every time, and one that fires at the next input, added anew each
// time. GNOME tells a watch only to the connection that added it: the session bus connection
// this process keeps for its life.
class MutterIdleMonitor final : public IdleSource
{
    Q_OBJECT

public:
    MutterIdleMonitor(int quietMs, QObject* parent);
    ~MutterIdleMonitor() override;

    void findWay(std::function<void(Way)> found) override;
    void follow() override;
    void stop() override;

private slots:
    void onWatchFired(uint watch);

private:
    void becomeIdle(qint64 forMs);
    void addWatch(const QString& method, const QVariantList& arguments,
                  uint MutterIdleMonitor::*watch);
    static void removeWatch(uint watch);

    const int m_quietMs;
    int m_round = 0; // each follow() and stop() starts one: answers from an earlier one are late
    bool m_following = false;
    bool m_idle = false;
    uint m_idleWatch = 0;
    uint m_inputWatch = 0;
};
