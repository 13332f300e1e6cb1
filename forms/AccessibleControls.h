#pragma once

class QObject;
class QWidget;

// How assistive technology sees the program's own controls: the progress line as a progress
// bar, a LinkLabel as a link, a list box by its accessible name, and a window marked as an alert
// as one (its text is read out when it appears).
namespace AccessibleControls {
// After the application object is made: these are asked before Qt's own answers.
void install();
void markAsAlert(QWidget* window);
} // namespace AccessibleControls
