#pragma once

class QWindow;

// What the desktop's window system does with the program's windows beyond what the widget toolkit
// offers everywhere.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    // Makes the window black on the screen from the moment it appears, before the program has
    // drawn anything into it. Call before the window is first shown.
    virtual void blackFromFirstFrame(QWindow& window) = 0;
};
