#pragma once

class QObject;
class QWidget;

// How assistive technology sees the program's own controls: the progress line as a progress
// bar, a LinkLabel as a link, a list box by its accessible name, a text box as one run of text,
// the volume in per cent, and a window marked as an alert as one (its text is read out when it
// appears).
namespace AccessibleControls {
// After the application object is made: these are asked before Qt's own answers.
void install();
void markAsAlert(QWidget* window);
void markAsVolume(QWidget* slider);

// While one lives, the control's changes are the program's own doing and are not told: a
// screen reader announces what the user does, not every step of a fade.
class Quiet
{
public:
    explicit Quiet(QWidget* control);
    ~Quiet();
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    QWidget* m_control;
};
} // namespace AccessibleControls
