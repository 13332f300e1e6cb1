#include "cSysTray.h"

#include "QtTrayIconBackend.h"
#include "TrayMessages.h"

cSysTray::cSysTray(QObject* parent)
    : QObject(parent), m_ownBackend(std::make_unique<QtTrayIconBackend>()), m_backend(*m_ownBackend)
{
    listenToBackend();
}

cSysTray::cSysTray(TrayIconBackend& backend, QObject* parent) : QObject(parent), m_backend(backend)
{
    listenToBackend();
}

cSysTray::~cSysTray()
{
    m_backend.setActivationHandler({});
    if (m_inTray)
        m_backend.hide();
}

void cSysTray::listenToBackend()
{
    m_backend.setActivationHandler([this](QSystemTrayIcon::ActivationReason reason) {
        for (const int message : TrayMessages::messagesFor(reason))
            TrayCallback(message, 0);
    });
}

bool cSysTray::isAvailable() const
{
    return m_backend.isAvailable();
}

void cSysTray::setTrayIcon(const QIcon& icon)
{
    if (icon.isNull())
        return;
    m_icon = icon;
    if (m_inTray)
        m_backend.setIcon(m_icon);
}

void cSysTray::setTrayTip(const QString& tip)
{
    m_tip = tip;
    if (m_inTray)
        m_backend.setToolTip(shownTip());
}

void cSysTray::setInTray(bool inTray)
{
    if (inTray == m_inTray)
        return;
    m_inTray = inTray;
    if (inTray) {
        m_backend.setIcon(m_icon);
        m_backend.setToolTip(shownTip());
        m_backend.show();
    } else {
        m_backend.hide();
    }
}

void cSysTray::TrayCallback(int mouseMessage, int id)
{
    using Kind = TrayMessages::Event::Kind;
    const TrayMessages::Event event = TrayMessages::eventFor(mouseMessage);
    switch (event.kind) {
    case Kind::MouseMove:
        emit MouseMove(id);
        break;
    case Kind::MouseDown:
        emit MouseDown(event.button, id);
        break;
    case Kind::MouseUp:
        emit MouseUp(event.button, id);
        break;
    case Kind::MouseDblClick:
        emit MouseDblClick(event.button, id);
        break;
    case Kind::None:
        break;
    }
}

QString cSysTray::shownTip() const
{
    // Cut where the Windows shell cuts, so the tip reads the same everywhere; a character made
    // of two UTF-16 halves is never split.
    QString tip = m_tip.left(MaxShownTipLength);
    if (!tip.isEmpty() && tip.back().isHighSurrogate())
        tip.chop(1);
    return tip;
}
