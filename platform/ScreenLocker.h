#pragma once

#include "SessionControl.h"

// Locks the screen the way the desktop does it.
class ScreenLocker
{
public:
    virtual ~ScreenLocker() = default;

    // done is told whether the screen is locked, or why not.
    virtual void lock(SessionControl::Completion done) = 0;
};
