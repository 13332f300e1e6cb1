#include "frmBlackScreen.h"

#include "platform/WindowSystem.h"
#include "ui_frmBlackScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

frmBlackScreen::frmBlackScreen(bool& shown, WindowSystem& windowSystem, QWidget* owner)
    : QDialog(owner), m_shown(shown), m_windowSystem(windowSystem)
{
    Ui::frmBlackScreen().setupUi(this);
    cover(*this, QGuiApplication::primaryScreen());

    m_shown = true;
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setParent(this);
    m_timer1.setInterval(200);
    connect(&m_timer1, &QTimer::timeout, this, &frmBlackScreen::Timer1_Timer);
    m_timer1.start();
    connect(qApp, &QGuiApplication::screenAdded, this, &frmBlackScreen::addPane);
    connect(qApp, &QGuiApplication::screenRemoved, this, &frmBlackScreen::removePane);
}

frmBlackScreen::~frmBlackScreen()
{
    unload();
}

void frmBlackScreen::cover(QWidget& window, QScreen* screen)
{
    // No frame, no taskbar entry; black in the colour of window text.
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    QPalette black = window.palette();
    black.setColor(QPalette::Window, black.color(QPalette::WindowText));
    window.setPalette(black);
    window.setAutoFillBackground(true);
    window.winId(); // the native window, so that it can be given its screen and first frame
    window.windowHandle()->setScreen(screen);
    // The screen's full-screen state covers panels and docks; the geometry covers the screen
    // where nothing manages windows.
    window.setGeometry(screen->geometry());
    window.setWindowState(Qt::WindowFullScreen);
    m_windowSystem.blackFromFirstFrame(*window.windowHandle());
}

void frmBlackScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    for (QScreen* screen : QGuiApplication::screens())
        addPane(screen);
    // A window manager gives the focus to whatever it likes; the keys must come here.
    QTimer::singleShot(0, this, [this] { grabKeyboard(); });
}

void frmBlackScreen::addPane(QScreen* screen)
{
    if (screen == windowHandle()->screen() || m_panes.contains(screen))
        return;
    // A child, so that the modal black screen lets its input through.
    auto* pane = new QWidget(this);
    cover(*pane, screen);
    pane->installEventFilter(this);
    pane->show();
    if (m_onTop)
        putOnTop(*pane);
    m_panes.insert(screen, pane);
}

void frmBlackScreen::removePane(QScreen* screen)
{
    delete m_panes.take(screen);
}

void frmBlackScreen::Timer1_Timer()
{
    m_timer1.stop();
    m_onTop = true;
    putOnTop(*this);
    for (QWidget* pane : std::as_const(m_panes))
        putOnTop(*pane);
    grabKeyboard();
}

void frmBlackScreen::putOnTop(QWidget& window)
{
    // A window manager may have placed it as an ordinary window after all (seen with weston's
    // X11 support, now and then): ask again.
    if (!window.isFullScreen())
        window.setWindowState(Qt::WindowFullScreen);
    window.windowHandle()->setFlags(window.windowHandle()->flags() | Qt::WindowStaysOnTopHint);
    window.raise();
    // Hidden over these windows only, so the pointer comes back however they go.
    window.setCursor(Qt::BlankCursor);
}

bool frmBlackScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
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
    qDeleteAll(std::exchange(m_panes, {}));
    m_shown = false;
}
