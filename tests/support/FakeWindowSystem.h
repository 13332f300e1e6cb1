#pragma once

#include "platform/WindowSystem.h"

// The offscreen platform draws nothing before a window's first frame anyway.
struct FakeWindowSystem final : WindowSystem
{
    void blackFromFirstFrame(QWindow&) override {}
};
