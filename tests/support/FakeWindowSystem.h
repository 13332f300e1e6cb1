#pragma once

#include "platform/WindowSystem.h"

// The offscreen platform draws nothing before a window's first frame anyway.
struct FakeWindowSystem final : WindowSystem
{
    bool placesWindows() const override { return true; }
    void blackFromFirstFrame(QWindow&) override {}
    void activate(QWindow&, const QString&) override {}
};
