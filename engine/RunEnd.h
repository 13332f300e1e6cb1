#pragma once

#include "platform/SessionControl.h"

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

// What a run does at its end: one row for each action the program stores under "ShutDown"
// (0-8). The run, its texts, the command line and the tests all read these rows.
struct RunEnd
{
    // What carries the end out.
    enum class Means
    {
        ExitRequest, // log off, shut down or restart, by the exit flags of the stored code
        RunFile,     // the shell opens the Run File
        Suspend,
        Hibernate,
        Lock,      // the desktop's screen locker
        ScreenOff, // every screen's power
        PauseOnly  // nothing beyond what every end does
    };

    qint32 code;
    const char* name;    // on the command line
    const char* warning; // %1 the time left, %2 the Run File's name
    const char* plan;    // for the tip, "%1 at 23:40 (in 25 min)"; %1 the Run File's name
    const char* refusal; // when the service refused it
    Means means;
    // Asked of the machine at arming: whether it will do this at the end.
    std::optional<SessionControl::Ability> check;
    bool stays;        // the program stays afterwards, and a daily clock time comes back
    bool alwaysPauses; // the players are paused even when "PausePlayers" is 0

    static const std::array<RunEnd, 9>& all();
    // The row of a stored code. A code outside 0-8 (which the program never writes) ends by the
    // exit its flags name, as every code but the Run File's always has.
    static const RunEnd& of(qint32 code);
    // The row of a name on the command line, or nothing.
    static const RunEnd* named(QStringView name);
};
