#include "QtTrayIconBackend.h"

QSystemTrayIcon& QtTrayIconBackend::icon()
{
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (m_handler)
                                 m_handler(reason);
                         });
    }
    return *m_icon;
}

void QtTrayIconBackend::setActivationHandler(ActivationHandler handler)
{
    m_handler = std::move(handler);
}
