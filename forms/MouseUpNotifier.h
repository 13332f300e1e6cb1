#pragma once

#include <QObject>

class QWidget;

// Tells when a mouse button is released over a control, after the control itself has handled
// the release (so a radio button is already selected when mouseUp arrives). Unlike clicked(),
// it is never raised by the keyboard, and it is raised for every button.
class MouseUpNotifier : public QObject
{
    Q_OBJECT

public:
    // Watches control and lives as long as it does.
    explicit MouseUpNotifier(QWidget* control);

    // While the control handles a release this reports: a click it raises comes from the mouse.
    bool isForwarding() const { return m_forwarding; }

signals:
    void mouseUp(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
    bool m_forwarding = false;
};
