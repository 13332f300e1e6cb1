#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

#include <functional>

// Sends a call without waiting for it. The first value of the answer goes to then, an invalid
// value when the call failed or timed out (timeoutMs, -1 for the bus's own); nothing goes when
// context is gone by then.
inline void callAsync(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                      QObject* context, std::function<void(const QVariant&)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher* answer) {
                         answer->deleteLater();
                         then(answer->isError() ? QVariant()
                                                : answer->reply().arguments().value(0));
                     });
}
