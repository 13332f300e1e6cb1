#include "RunEnd.h"

#include "RunArithmetic.h"
#include "platform/SessionControl.h"

#include <QLatin1StringView>

namespace {

using Means = RunEnd::Means;
using Ability = SessionControl::Ability;
constexpr std::nullopt_t Never = std::nullopt;

constexpr std::array<RunEnd, 9> Ends{{
    {0, "logoff", QT_TRANSLATE_NOOP("RunEnd", "The session will end in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Log off"),
     QT_TRANSLATE_NOOP("RunEnd", "The session could not be ended."), Means::ExitRequest, Never,
     false, false},
    {1, "shutdown", QT_TRANSLATE_NOOP("RunEnd", "The computer will shut down in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Shut down"),
     QT_TRANSLATE_NOOP("RunEnd", "The computer could not be shut down."), Means::ExitRequest,
     Ability::PowerOff, false, false},
    {2, "reboot", QT_TRANSLATE_NOOP("RunEnd", "The computer will restart in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Restart"),
     QT_TRANSLATE_NOOP("RunEnd", "The computer could not be restarted."), Means::ExitRequest,
     Ability::Reboot, false, false},
    {3, "runfile", QT_TRANSLATE_NOOP("RunEnd", "%2 will open in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Open %1"), "", Means::RunFile, Never, true, false},
    {4, "suspend", QT_TRANSLATE_NOOP("RunEnd", "The computer will suspend in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Suspend"),
     QT_TRANSLATE_NOOP("RunEnd", "The computer could not be suspended."), Means::Suspend,
     Ability::Suspend, true, false},
    {5, "hibernate", QT_TRANSLATE_NOOP("RunEnd", "The computer will hibernate in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Hibernate"),
     QT_TRANSLATE_NOOP("RunEnd", "The computer could not hibernate."), Means::Hibernate,
     Ability::Hibernate, true, false},
    {6, "lock", QT_TRANSLATE_NOOP("RunEnd", "The screen will lock in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Lock the screen"),
     QT_TRANSLATE_NOOP("RunEnd", "The screen could not be locked."), Means::Lock, Never, true,
     false},
    {7, "screenoff", QT_TRANSLATE_NOOP("RunEnd", "The screens will turn off in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Turn the screens off"),
     QT_TRANSLATE_NOOP("RunEnd", "The screens could not be turned off."), Means::ScreenOff, Never,
     true, false},
    {8, "pause", QT_TRANSLATE_NOOP("RunEnd", "Playback will pause in %1."),
     QT_TRANSLATE_NOOP("RunEnd", "Pause playback"), "", Means::PauseOnly, Never, true, true},
}};

} // namespace

const std::array<RunEnd, 9>& RunEnd::all()
{
    return Ends;
}

const RunEnd& RunEnd::of(qint32 code)
{
    if (code >= 0 && code < qint32(Ends.size()))
        return Ends[std::size_t(code)];
    const quint32 flags = RunArithmetic::exitFlags(code);
    if (flags & SessionControl::RebootFlag)
        return Ends[2];
    if (flags & (SessionControl::ShutDownFlag | SessionControl::PowerOffFlag))
        return Ends[1];
    return Ends[0];
}

const RunEnd* RunEnd::named(QStringView name)
{
    for (const RunEnd& end : Ends) {
        if (name == QLatin1StringView(end.name))
            return &end;
    }
    return nullptr;
}
