#include "EndingText.h"

#include "RunArithmetic.h"
#include "RunEnd.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// A text of this file's own, in the user's language.
QString said(const char* text)
{
    return QCoreApplication::translate("EndingText", text);
}

QString fileName(const QString& runFile)
{
    const QString name = QFileInfo(runFile).fileName();
    return name.isEmpty() ? QCoreApplication::translate("EndingText", "The Run File") : name;
}

// A row's text in the user's language, with its place holders filled in, those a row does not
// use passed over.
QString filled(const char* text, const QString& first, const QString& second = {})
{
    return QCoreApplication::translate("RunEnd", text)
        .replace(u"%1"_s, first)
        .replace(u"%2"_s, second);
}

// "0:59": minutes and seconds, counted up to the next whole second.
QString timeLeft(qint64 remainingMs)
{
    const qint64 seconds = std::max<qint64>(0, (remainingMs + 999) / 1000);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What may stand in the way of an end the machine carries out, in whole sentences.
struct Words
{
    const char* doubt;     // %1: the reasons
    const char* forbidden; // a reason
    const char* cannot;
    const char* blocked; // what an application blocks, as the service names it
};
constexpr std::array<Words, 4> Said{{
    {QT_TRANSLATE_NOOP("EndingText", "The computer may not shut down at the end of this run: %1."),
     QT_TRANSLATE_NOOP("EndingText", "this user may not shut it down"),
     QT_TRANSLATE_NOOP("EndingText", "This computer cannot shut down."),
     QT_TRANSLATE_NOOP("EndingText", "shutdown")},
    {QT_TRANSLATE_NOOP("EndingText", "The computer may not restart at the end of this run: %1."),
     QT_TRANSLATE_NOOP("EndingText", "this user may not restart it"),
     QT_TRANSLATE_NOOP("EndingText", "This computer cannot restart."),
     QT_TRANSLATE_NOOP("EndingText", "shutdown")},
    {QT_TRANSLATE_NOOP("EndingText", "The computer may not suspend at the end of this run: %1."),
     QT_TRANSLATE_NOOP("EndingText", "this user may not suspend it"),
     QT_TRANSLATE_NOOP("EndingText", "This computer cannot suspend."),
     QT_TRANSLATE_NOOP("EndingText", "sleep")},
    {QT_TRANSLATE_NOOP("EndingText", "The computer may not hibernate at the end of this run: %1."),
     QT_TRANSLATE_NOOP("EndingText", "this user may not let it hibernate"),
     QT_TRANSLATE_NOOP("EndingText", "This computer cannot hibernate."),
     QT_TRANSLATE_NOOP("EndingText", "sleep")},
}};

} // namespace

namespace EndingText {

QString warning(qint32 action, const QString& runFile, qint64 remainingMs)
{
    return filled(RunEnd::of(action).warning, timeLeft(remainingMs), fileName(runFile));
}

QString doing(qint32 action, const QString& runFile)
{
    return filled(RunEnd::of(action).plan, fileName(runFile));
}

QString at(const QString& doing, const QDateTime& now, qint64 remainingMs, bool spoken)
{
    const int minutes = int(RunArithmetic::minutesLeft(remainingMs));
    return (spoken ? QCoreApplication::translate("EndingText", "%1 at %2, in %n minute(s)", nullptr,
                                                 minutes)
                   : QCoreApplication::translate("EndingText", "%1 at %2 (in %n min)", nullptr,
                                                 minutes))
        .arg(doing, now.addMSecs(remainingMs).toString(QStringLiteral("HH:mm")));
}

QString whenMediaEnds(const QString& doing, std::optional<qint64> remainingMs, bool paused,
                      bool spoken)
{
    if (paused)
        return QCoreApplication::translate("EndingText",
                                           "%1 when the media ends (the media is paused)")
            .arg(doing);
    if (!remainingMs)
        return QCoreApplication::translate("EndingText",
                                           "%1 when the media ends (how long it lasts is unknown)")
            .arg(doing);
    const int minutes = int(RunArithmetic::minutesLeft(*remainingMs));
    return (spoken ? QCoreApplication::translate("EndingText",
                                                 "%1 when the media ends, in about %n minute(s)",
                                                 nullptr, minutes)
                   : QCoreApplication::translate("EndingText",
                                                 "%1 when the media ends (in about %n min)",
                                                 nullptr, minutes))
        .arg(doing);
}

QString afterIdle(const QString& doing, double minutes, qint64 idleMs, bool spoken)
{
    const int idle = int(std::max<qint64>(0, idleMs) / 60'000);
    return (spoken
                ? QCoreApplication::translate(
                      "EndingText", "%1 after %2 minutes without input, none for %n minute(s) now",
                      nullptr, idle)
                : QCoreApplication::translate("EndingText",
                                              "%1 after %2 min without input (idle for %n min)",
                                              nullptr, idle))
        .arg(doing, QLocale().toString(minutes, 'g', 6));
}

QString whenProgramExits(const QString& doing, const QString& program)
{
    return QCoreApplication::translate("EndingText", "%1 when '%2' exits").arg(doing, program);
}

QString refusal(qint32 action)
{
    return QCoreApplication::translate("RunEnd", RunEnd::of(action).refusal);
}

QString briefly(const QString& serviceText)
{
    constexpr qsizetype Longest = 200;
    // The program's own words are in the user's language; a service's own stay as they came.
    const QString line =
        QCoreApplication::translate("Platform", serviceText.trimmed().toUtf8().constData())
            .section(u'\n', 0, 0)
            .trimmed();
    return line.size() <= Longest ? line : line.left(Longest - 1) + QChar(0x2026);
}

QString doubt(SessionControl::Ability ability, const SessionControl::Outlook& outlook)
{
    const Words& words = Said[std::size_t(ability)];
    QStringList reasons;
    if (outlook.allowed == QLatin1String("no"))
        reasons << said(words.forbidden);
    else if (outlook.allowed == QLatin1String("challenge"))
        reasons << QCoreApplication::translate(
            "EndingText", "it asks for a password, which nobody may be there to give");
    else if (outlook.allowed == QLatin1String("na"))
        reasons << QCoreApplication::translate("EndingText", "this computer cannot do that");
    for (const auto& blocker : outlook.blockers)
        reasons << QCoreApplication::translate("EndingText", "%1 is blocking %2 (%3)")
                       .arg(blocker.who, said(words.blocked), blocker.why);
    if (reasons.isEmpty())
        return {};
    return said(words.doubt).arg(reasons.join(QCoreApplication::translate("EndingText", "; ")));
}

QString cannot(SessionControl::Ability ability)
{
    return said(Said[std::size_t(ability)].cannot);
}

QString noIdleTime()
{
    return QCoreApplication::translate(
        "EndingText", "This desktop does not tell how long the computer has had no input.");
}

QString noScreenPower()
{
    return QCoreApplication::translate("EndingText",
                                       "This desktop offers no way to turn the screens off: the "
                                       "run will only pause the players.");
}

QString noScreenPowerWarning(qint64 remainingMs)
{
    return QCoreApplication::translate(
               "EndingText",
               "This desktop offers no way to turn the screens off. Playback will pause in %1.")
        .arg(timeLeft(remainingMs));
}

} // namespace EndingText
