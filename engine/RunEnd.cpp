#include "RunEnd.h"

#include "RunArithmetic.h"
#include "platform/SessionControl.h"

#include <QLatin1StringView>

namespace {

using Means = RunEnd::Means;
using Ability = SessionControl::Ability;
constexpr std::nullopt_t Never = std::nullopt;

constexpr std::array<RunEnd, 9> Ends{{
    {0, "logoff", "The session will end in %1.", "Log off", "The session could not be ended.",
     Means::ExitRequest, Never, false, false},
    {1, "shutdown", "The computer will shut down in %1.", "Shut down",
     "The computer could not be shut down.", Means::ExitRequest, Ability::PowerOff, false, false},
    {2, "reboot", "The computer will restart in %1.", "Restart",
     "The computer could not be restarted.", Means::ExitRequest, Ability::Reboot, false, false},
    {3, "runfile", "%2 will open in %1.", "Open %1", "", Means::RunFile, Never, true, false},
    {4, "suspend", "The computer will suspend in %1.", "Suspend",
     "The computer could not be suspended.", Means::Suspend, Ability::Suspend, true, false},
    {5, "hibernate", "The computer will hibernate in %1.", "Hibernate",
     "The computer could not hibernate.", Means::Hibernate, Ability::Hibernate, true, false},
    {6, "lock", "The screen will lock in %1.", "Lock the screen", "The screen could not be locked.",
     Means::Lock, Never, true, false},
    {7, "screenoff", "The screens will turn off in %1.", "Turn the screens off",
     "The screens could not be turned off.", Means::ScreenOff, Never, true, false},
    {8, "pause", "Playback will pause in %1.", "Pause playback", "", Means::PauseOnly, Never, true,
     true},
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
