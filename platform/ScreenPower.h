#pragma once

#include "SessionControl.h"

#include <functional>

// Turns every screen off, the way the desktop or the display server allows it.
class ScreenPower
{
public:
    virtual ~ScreenPower() = default;

    // Whether this desktop offers a way to turn the screens off; found is told once it is
    // known.
    virtual void findWay(std::function<void(bool found)> found) = 0;
    // Turns them off a second from now, so that a key released just now does not wake them;
    // done hears how it went. The desktop turns them on again at the next input.
    virtual void turnOff(SessionControl::Completion done) = 0;
};
