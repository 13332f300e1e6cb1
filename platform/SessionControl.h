#pragma once

#include <QList>
#include <QString>

#include <functional>

// Ends the user's session, powers the machine off, restarts it, suspends it or lets it hibernate,
// and locks the session.
class SessionControl
{
public:
    // Exit flags of an exit request; they combine bitwise.
    static constexpr quint32 LogOffFlag = 0;
    static constexpr quint32 ShutDownFlag = 1;
    static constexpr quint32 RebootFlag = 2;
    static constexpr quint32 ForceFlag = 4;
    static constexpr quint32 PowerOffFlag = 8;

    struct Result
    {
        bool accepted = false;
        QString error; // the service's own explanation when the request was refused
    };

    // What the machine may be asked to do, and asked beforehand whether it will.
    enum class Ability
    {
        PowerOff,
        Reboot,
        Suspend,
        Hibernate
    };
    using Completion = std::function<void(const Result&)>;

    // What the service says of a request before it is made.
    struct Outlook
    {
        QString allowed; // "yes", "no", "challenge" (a password is asked), "na"; empty: unknown
        struct Blocker
        {
            QString who;
            QString why;
        };
        QList<Blocker> blockers; // whoever holds the shutdown or sleep back
    };
    using OutlookCompletion = std::function<void(const Outlook&)>;

    virtual ~SessionControl() = default;

    // Makes sure the process may ask for a shutdown; where the service checks the right
    // itself this does nothing.
    virtual void enableShutdownPrivilege() = 0;

    // Logs off, powers off or restarts, as the flags say, without waiting: done hears whether
    // the service took the request, once, never after the object is gone.
    virtual void requestExit(quint32 flags, Completion done) = 0;

    // Asks, without waiting, whether the machine may do this now and who holds it back; done is
    // called once with the answer, never after the object is gone.
    virtual void check(Ability ability, OutlookCompletion done) = 0;

    // Suspends the machine or lets it hibernate, without waiting for the answer, which may come
    // only once the machine is awake again, or never; done hears of a refusal only.
    virtual void sleep(Ability suspendOrHibernate, Completion done) = 0;

    // Locks the session; done is told whether it is locked two seconds later, when a screen
    // locker would have done it.
    virtual void lockSession(Completion done) = 0;
};
