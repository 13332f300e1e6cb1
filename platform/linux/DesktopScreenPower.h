#pragma once

#include "platform/ScreenPower.h"

#include <QObject>

class QTimer;

// The screens' power, in the first way the desktop offers: GNOME's display configuration (its
// power-save mode, set back at the next input), KDE Plasma's "Turn Off Screen" shortcut, or the
// X server's DPMS extension.
class DesktopScreenPower final : public QObject, public ScreenPower
{
    Q_OBJECT

public:
    using QObject::QObject;

    void findWay(std::function<void(bool found)> found) override;
    void turnOff(SessionControl::Completion done) override;

private slots:
    void onUserActive(uint watch);

private:
    enum class Way
    {
        None,
        Gnome,
        Kde,
        Dpms
    };
    void find(std::function<void(Way)> found);
    void turnOffBy(Way way, const SessionControl::Completion& done);
    void setPowerSaveMode(int mode, const SessionControl::Completion& done);
    // DPMS off; once the next input has woken the screens, DPMS as enabled or disabled as it was.
    void turnOffByDpms(const SessionControl::Completion& done);
    void followDpms();

    uint m_watch = 0;              // GNOME's watch for the next input, while the screens are off
    QTimer* m_dpmsWatch = nullptr; // while DPMS holds the screens off
    bool m_dpmsWasEnabled = true;
};
