#pragma once

#include <QString>

class QWindow;

// What the desktop's window system does with the program's windows beyond what the widget toolkit
// offers everywhere.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    // Whether the program can learn and set where its windows are (not on Wayland).
    virtual bool placesWindows() const = 0;

    // Makes the window black on the screen from the moment it appears, before the program has
    // drawn anything into it. Call before the window is first shown.
    virtual void blackFromFirstFrame(QWindow& window) = 0;

    // Brings the window to the front and gives it the focus, on the word of another program
    // that had the right to ask (an activation token from the desktop; may be empty).
    virtual void activate(QWindow& window, const QString& token) = 0;
};
