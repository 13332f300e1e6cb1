#pragma once

#include "platform/ScreenLocker.h"

#include <QObject>

// The desktop's own screen locker on the session bus: GNOME's, else the freedesktop one (KDE
// Plasma and others; GNOME's copy of that name refuses to lock), else the session's lock through
// logind, which is only believed once the session says it is locked.
class DesktopScreenLocker final : public ScreenLocker
{
public:
    explicit DesktopScreenLocker(SessionControl& session);

    void lock(SessionControl::Completion done) override;

private:
    void tryLocker(std::size_t index, SessionControl::Completion done);

    SessionControl& m_session;
    QObject m_answers; // the calls under way end with it
};
