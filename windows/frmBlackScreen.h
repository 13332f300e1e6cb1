#pragma once

#include <QDialog>
#include <QHash>
#include <QTimer>

class QScreen;
class WindowSystem;

// A black window over every screen while a run lasts: this dialog full-screen on the primary
// screen, and a black pane of its own full-screen on each other screen, following screens that
// come and go. After 200 ms they go above all other windows and the pointer disappears over
// them; any key or mouse button on any of them closes them all.
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the window black, full-screen on the screen, and black from its very first frame.
    void cover(QWidget& window, QScreen* screen);
    void addPane(QScreen* screen);
    void removePane(QScreen* screen);
    // Above every other window, full-screen, the pointer hidden over it.
    void putOnTop(QWidget& window);
    void unload();

    bool& m_shown;
    WindowSystem& m_windowSystem;
    QTimer m_timer1;
    bool m_onTop = false;
    QHash<QScreen*, QWidget*> m_panes; // children, deleted only through this
};
