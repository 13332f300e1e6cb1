#include "EndingText.h"

#include "RunArithmetic.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

QString fileName(const QString& runFile)
{
    const QString name = QFileInfo(runFile).fileName();
    return name.isEmpty() ? QStringLiteral("The Run File") : name;
}

} // namespace

namespace EndingText {

Kind kindOf(qint32 action)
{
    if (action == 3)
        return Kind::RunFile;
    const quint32 flags = RunArithmetic::exitFlags(action);
    if (flags & SessionControl::RebootFlag)
        return Kind::Restart;
    if (flags & (SessionControl::ShutDownFlag | SessionControl::PowerOffFlag))
        return Kind::ShutDown;
    return Kind::LogOff;
}

QString warning(qint32 action, const QString& runFile, qint64 remainingMs)
{
    const qint64 seconds = std::max<qint64>(0, (remainingMs + 999) / 1000);
    const QString left =
        QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    switch (kindOf(action)) {
    case Kind::ShutDown:
        return QStringLiteral("The computer will shut down in %1.").arg(left);
    case Kind::Restart:
        return QStringLiteral("The computer will restart in %1.").arg(left);
    case Kind::LogOff:
        return QStringLiteral("The session will end in %1.").arg(left);
    case Kind::RunFile:
        break;
    }
    return QStringLiteral("%1 will open in %2.").arg(fileName(runFile), left);
}

QString plan(qint32 action, const QString& runFile, const QTime& end, qint64 remainingMs)
{
    QString what;
    switch (kindOf(action)) {
    case Kind::ShutDown:
        what = QStringLiteral("Shut down");
        break;
    case Kind::Restart:
        what = QStringLiteral("Restart");
        break;
    case Kind::LogOff:
        what = QStringLiteral("Log off");
        break;
    case Kind::RunFile:
        what = QStringLiteral("Open ") + fileName(runFile);
        break;
    }
    const qint64 minutes = std::max<qint64>(0, (remainingMs + 59'999) / 60'000);
    return QStringLiteral("%1 at %2 (in %3 min)")
        .arg(what, end.toString(QStringLiteral("HH:mm")))
        .arg(minutes);
}

QString refusal(qint32 action)
{
    switch (kindOf(action)) {
    case Kind::Restart:
        return QStringLiteral("The computer could not be restarted.");
    case Kind::ShutDown:
        return QStringLiteral("The computer could not be shut down.");
    default:
        return QStringLiteral("The session could not be ended.");
    }
}

QString briefly(const QString& serviceText)
{
    constexpr qsizetype Longest = 200;
    const QString line = serviceText.trimmed().section(u'\n', 0, 0).trimmed();
    return line.size() <= Longest ? line : line.left(Longest - 1) + QChar(0x2026);
}

QString doubt(quint32 flags, const SessionControl::Outlook& outlook)
{
    const bool restart = flags & SessionControl::RebootFlag;
    QStringList reasons;
    if (outlook.allowed == QLatin1String("no"))
        reasons << (restart ? QStringLiteral("this user may not restart it")
                            : QStringLiteral("this user may not shut it down"));
    else if (outlook.allowed == QLatin1String("challenge"))
        reasons << QStringLiteral("it asks for a password, which nobody may be there to give");
    else if (outlook.allowed == QLatin1String("na"))
        reasons << QStringLiteral("this computer cannot do that");
    for (const auto& blocker : outlook.blockers)
        reasons << QStringLiteral("%1 is blocking shutdown (%2)").arg(blocker.who, blocker.why);
    if (reasons.isEmpty())
        return {};
    return (restart ? QStringLiteral("The computer may not restart at the end of this run: %1.")
                    : QStringLiteral("The computer may not shut down at the end of this run: %1."))
        .arg(reasons.join(QStringLiteral("; ")));
}

} // namespace EndingText
