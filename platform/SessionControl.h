#pragma once

#include <QList>
#include <QString>

#include <functional>

// Ends the user's session, powers the machine off or restarts it.
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

    // What the service says of an exit request before it is made.
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

    virtual Result requestExit(quint32 flags) = 0;

    // Asks, without waiting, whether a power-off or restart (by the flags) would be allowed now
    // and who holds it back; done is called once with the answer, never after the object is
    // gone.
    virtual void checkExit(quint32 flags, OutlookCompletion done) = 0;
};
