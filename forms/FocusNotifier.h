#pragma once

#include <QObject>

class QWidget;

// Tells when the keyboard focus comes to a control from elsewhere and when it leaves for
// elsewhere. Focus moving into the control's own drop-down list is not leaving it.
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
    bool ownsWidget(const QWidget* widget) const;

    QWidget* m_control;
    bool m_hasFocus = false;
};
