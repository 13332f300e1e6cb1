#pragma once

#include "platform/SessionControl.h"

#include <QString>
#include <QTime>

// What the program tells the user of the end of a run.
namespace EndingText {

enum class Kind
{
    ShutDown,
    Restart,
    LogOff,
    RunFile
};

// What an action code does (3 opens the Run File; the others by the flags of their exit request).
Kind kindOf(qint32 action);

// "The computer will shut down in 0:59.", "wake up.sh will open in 1:05." for an action code.
QString warning(qint32 action, const QString& runFile, qint64 remainingMs);

// "Shut down at 23:40 (in 25 min)", for the notification area's tip.
QString plan(qint32 action, const QString& runFile, const QTime& end, qint64 remainingMs);

// "The computer could not be shut down.", when the action's exit request was refused.
QString refusal(qint32 action);

// A service's own explanation, as a message shows it: its first line, at most 200 characters
// (a service may answer with a whole traceback).
QString briefly(const QString& serviceText);

// Why the exit of these flags may not come at the end of a run, for instance "The computer may
// not shut down at the end of this run: a video player is blocking shutdown (Playing video).";
// empty when nothing stands in its way.
QString doubt(quint32 flags, const SessionControl::Outlook& outlook);

} // namespace EndingText
