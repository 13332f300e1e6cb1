#pragma once

#include <QString>

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

    virtual ~SessionControl() = default;

    // Makes sure the process may ask for a shutdown; where the service checks the right
    // itself this does nothing.
    virtual void enableShutdownPrivilege() = 0;

    virtual Result requestExit(quint32 flags) = 0;
};
