#pragma once

#include "platform/Notifier.h"

// The desktop's notification server on the session bus (org.freedesktop.Notifications), asked
// without ever waiting for it. Without one, nothing shows and nothing else changes.
class DesktopNotifier final : public Notifier
{
    Q_OBJECT

public:
    using Notifier::Notifier;

    void show(const QString& summary, const QString& body, const QStringList& actions) override;
    void withdraw() override;

private slots:
    void onActionInvoked(uint id, const QString& key);

private:
    void close(uint id);

    bool m_listening = false;
    uint m_id = 0;            // the notification shown, 0 when none
    bool m_withdrawn = false; // withdrawn before the server said which one it showed
};
