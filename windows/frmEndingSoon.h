#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

class QLabel;

// The warning before a run ends: what will happen and in how long, counted down every second,
// with "Cancel" (also Escape and the close box) and "+10 min"; Enter presses the one that has
// the focus, "Cancel" when the warning opens. It stays above every other window.
class frmEndingSoon : public QDialog
{
    Q_OBJECT

public:
    // text tells what the warning says at the moment it is asked.
    frmEndingSoon(std::function<QString()> text, QWidget* owner);

    // Hides it as the program's own doing: neither button is pressed. It can be shown again.
    void dismiss();

signals:
    void cancelled();
    void extended();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<QString()> m_text;
    QLabel* m_label;
    QWidget* m_cancel;
    QTimer m_tick;
};
