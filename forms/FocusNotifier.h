#pragma once

#include <QObject>

class QWidget;

// Tells when a control gets or loses the keyboard focus. Opening a control's own drop-down list
// does not count as leaving it.
class FocusNotifier : public QObject
{
    Q_OBJECT

public:
    // Watches control and lives as long as it does.
    explicit FocusNotifier(QWidget* control);

signals:
    void gotFocus();
    void lostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_control;
};
