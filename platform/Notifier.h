#pragma once

#include <QObject>
#include <QStringList>

// The desktop's notifications: one shown at a time, with buttons the user may press there.
class Notifier : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Notifier() override = default;

    // Shows the notification, in place of the one shown before; actions are pairs of a key and
    // the button's label.
    virtual void show(const QString& summary, const QString& body, const QStringList& actions) = 0;
    // Takes the shown one away, if any.
    virtual void withdraw() = 0;

signals:
    // The user pressed the button of this key on the notification.
    void actionInvoked(const QString& key);
};
