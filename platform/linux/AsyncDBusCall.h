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

// The same with the whole answer, an error message when the call failed or timed out.
inline void callAsyncForReply(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                              QObject* context, std::function<void(const QDBusMessage&)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher* answer) {
                         answer->deleteLater();
                         then(answer->reply());
                     });
}

// The same for a call whose answer only says whether it worked: then gets the error's text (its
// name when it has none), empty when it worked.
inline void callAsyncForError(const QDBusConnection& bus, const QDBusMessage& call, int timeoutMs,
                              QObject* context, std::function<void(const QString&)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, timeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then = std::move(then)](QDBusPendingCallWatcher* answer) {
                         answer->deleteLater();
                         const QDBusError error = answer->error();
                         then(!answer->isError()          ? QString()
                              : error.message().isEmpty() ? error.name()
                                                          : error.message());
                     });
}
