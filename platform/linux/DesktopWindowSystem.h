#pragma once

#include "platform/WindowSystem.h"

// The X11 and Wayland sessions of a Linux desktop.
class DesktopWindowSystem final : public WindowSystem
{
public:
    void blackFromFirstFrame(QWindow& window) override;
};
