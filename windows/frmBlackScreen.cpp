#include "frmBlackScreen.h"

#include "platform/WindowSystem.h"
#include "ui_frmBlackScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

frmBlackScreen::frmBlackScreen(bool& shown, WindowSystem& windowSystem, QWidget* owner)
    : QDialog(owner), m_shown(shown)
{
    Ui::frmBlackScreen().setupUi(this);
    // No frame, no taskbar entry; black in the colour of window text.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    QPalette black = palette();
    black.setColor(QPalette::Window, palette().color(QPalette::WindowText));
    setPalette(black);
    setAutoFillBackground(true);
    // Every screen of the desktop, whatever a window manager would make of a full-screen
    // request.
    setGeometry(QGuiApplication::primaryScreen()->virtualGeometry());
    // Black on the screen from the first instant, not only once the first paint has arrived.
    winId(); // the native window, so that it can be given its first frame
    windowSystem.blackFromFirstFrame(*windowHandle());

    m_shown = true;
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setParent(this);
    m_timer1.setInterval(200);
    connect(&m_timer1, &QTimer::timeout, this, &frmBlackScreen::Timer1_Timer);
    m_timer1.start();
}

frmBlackScreen::~frmBlackScreen()
{
    unload();
}

void frmBlackScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window manager gives the focus to whatever it likes; the keys must come here.
    QTimer::singleShot(0, this, [this] { grabKeyboard(); });
}

void frmBlackScreen::Timer1_Timer()
{
    m_timer1.stop();
    if (QWindow* window = windowHandle())
        window->setFlags(window->flags() | Qt::WindowStaysOnTopHint);
    raise();
    grabKeyboard();
    // Hidden over this window only, so the pointer comes back however the window goes.
    setCursor(Qt::BlankCursor);
}

void frmBlackScreen::keyPressEvent(QKeyEvent*)
{
    close();
}

void frmBlackScreen::mousePressEvent(QMouseEvent*)
{
    close();
}

void frmBlackScreen::closeEvent(QCloseEvent* event)
{
    unload();
    QDialog::closeEvent(event);
}

void frmBlackScreen::unload()
{
    m_timer1.stop();
    releaseKeyboard();
    unsetCursor();
    m_shown = false;
}
