#include "QtTrayIconBackend.h"

QtTrayIconBackend::QtTrayIconBackend()
{
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (m_handler)
                             m_handler(reason);
                     });
}

void QtTrayIconBackend::setActivationHandler(ActivationHandler handler)
{
    m_handler = std::move(handler);
}
