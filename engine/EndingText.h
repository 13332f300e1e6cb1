#pragma once

#include "platform/SessionControl.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the program tells the user of the end of a run; each action's own words are in its row
// of RunEnd.
namespace EndingText {

// "The computer will shut down in 0:59.", "wake up.sh will open in 1:05." for an action code.
QString warning(qint32 action, const QString& runFile, qint64 remainingMs);

// What the action does, in the words of the tip: "Shut down", "Open wake up.sh".
QString doing(qint32 action, const QString& runFile);

// The tip's plan for what the run waits for: "Shut down at 23:40 (in 25 min)" (the time left
// from now), "Shut down when the media ends (in about 23 min)", "Suspend after 30 min without
// input (idle for 12 min)", "Lock when 'rsync' exits".
// Spoken, in whole words for a screen reader: "Shut down at 23:40, in 25 minutes".
QString at(const QString& doing, const QDateTime& now, qint64 remainingMs, bool spoken = false);
QString whenMediaEnds(const QString& doing, std::optional<qint64> remainingMs, bool paused,
                      bool spoken = false);
QString afterIdle(const QString& doing, double minutes, qint64 idleMs, bool spoken = false);
QString whenProgramExits(const QString& doing, const QString& program);

// "The computer could not be shut down.", when the service refused the action.
QString refusal(qint32 action);

// A service's own explanation, as a message shows it: its first line, at most 200 characters
// (a service may answer with a whole traceback).
QString briefly(const QString& serviceText);

// Why the end asked of the machine may not come at the end of a run, for instance "The computer
// may not shut down at the end of this run: a video player is blocking shutdown (Playing
// video)."; empty when nothing stands in its way.
QString doubt(SessionControl::Ability ability, const SessionControl::Outlook& outlook);

// "This computer cannot suspend.", where the machine cannot do it at all.
QString cannot(SessionControl::Ability ability);

// "This desktop does not tell how long the computer has had no input."
QString noIdleTime();

// Said at arming, and in the warning, where a run should turn the screens off but cannot.
QString noScreenPower();
QString noScreenPowerWarning(qint64 remainingMs);

} // namespace EndingText
