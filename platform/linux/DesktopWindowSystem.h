#pragma once

#include "platform/WindowSystem.h"

#include <QObject>

// The X11 and Wayland sessions of a Linux desktop. On Wayland, where Qt draws the title bars
// itself (the compositor offering none), a title too long for its bar is shortened to end with an
// ellipsis instead of being cut off.
class DesktopWindowSystem final : public QObject, public WindowSystem
{
    Q_OBJECT

public:
    DesktopWindowSystem();

    bool placesWindows() const override;
    void blackFromFirstFrame(QWindow& window) override;
    void activate(QWindow& window, const QString& token) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
