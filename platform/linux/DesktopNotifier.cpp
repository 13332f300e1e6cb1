#include "DesktopNotifier.h"

#include "AsyncDBusCall.h"
#include "ProgramInfo.h"

#include <QVariantMap>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage call(const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

void DesktopNotifier::show(const QString& summary, const QString& body, const QStringList& actions)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (!m_listening)
        m_listening = bus.connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                                  SLOT(onActionInvoked(uint, QString)));
    m_withdrawn = false;
    // Critical: it stays until it is answered or taken away. The desktop shows the program's
    // icon, and groups its notifications, by the application id.
    const QString appId = QString::fromUtf8(ProgramInfo::AppId);
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))},
                            {QStringLiteral("desktop-entry"), appId}};
    const QVariantList arguments{
        QString::fromUtf8(ProgramInfo::Title), m_id, appId, summary, body, actions, hints, 0};
    callAsync(bus, call(QStringLiteral("Notify"), arguments), -1, this,
              [this](const QVariant& answer) {
                  const uint id = answer.toUInt(); // 0 when there was none
                  if (m_withdrawn)
                      close(id);
                  else
                      m_id = id;
              });
}

void DesktopNotifier::withdraw()
{
    m_withdrawn = true;
    close(std::exchange(m_id, 0));
}

void DesktopNotifier::close(uint id)
{
    if (id != 0)
        QDBusConnection::sessionBus().asyncCall(call(QStringLiteral("CloseNotification"), {id}));
}

void DesktopNotifier::onActionInvoked(uint id, const QString& key)
{
    if (id != 0 && id == m_id)
        emit actionInvoked(key);
}
