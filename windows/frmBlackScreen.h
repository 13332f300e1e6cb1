#pragma once

#include <QDialog>
#include <QTimer>

class WindowSystem;

// A black window over every screen while a run lasts. After 200 ms it goes above all other
// windows and the pointer disappears over it; any key or mouse button closes it.
class frmBlackScreen : public QDialog
{
    Q_OBJECT

public:
    // shown is true from the moment the window is loaded until it starts to close.
    frmBlackScreen(bool& shown, WindowSystem& windowSystem, QWidget* owner);
    ~frmBlackScreen() override;

    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void unload();

    bool& m_shown;
    QTimer m_timer1;
};
