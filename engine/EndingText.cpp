#include "EndingText.h"

#include "RunEnd.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

QString fileName(const QString& runFile)
{
    const QString name = QFileInfo(runFile).fileName();
    return name.isEmpty() ? QStringLiteral("The Run File") : name;
}

// A row's text with its place holders filled in, those a row does not use passed over.
QString filled(const char* text, const QString& first, const QString& second = {})
{
    return QString::fromLatin1(text).replace(u"%1"_s, first).replace(u"%2"_s, second);
}

// "0:59": minutes and seconds, counted up to the next whole second.
QString timeLeft(qint64 remainingMs)
{
    const qint64 seconds = std::max<qint64>(0, (remainingMs + 999) / 1000);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What the machine would do, and who may not make it do that.
struct Words
{
    const char* doing;
    const char* forbidden;
    const char* blocked;
};
constexpr std::array<Words, 4> Said{{
    {"shut down", "this user may not shut it down", "shutdown"},
    {"restart", "this user may not restart it", "shutdown"},
    {"suspend", "this user may not suspend it", "sleep"},
    {"hibernate", "this user may not let it hibernate", "sleep"},
}};

} // namespace

namespace EndingText {

QString warning(qint32 action, const QString& runFile, qint64 remainingMs)
{
    return filled(RunEnd::of(action).warning, timeLeft(remainingMs), fileName(runFile));
}

QString plan(qint32 action, const QString& runFile, const QTime& end, qint64 remainingMs)
{
    const qint64 minutes = std::max<qint64>(0, (remainingMs + 59'999) / 60'000);
    return QStringLiteral("%1 at %2 (in %3 min)")
        .arg(filled(RunEnd::of(action).plan, fileName(runFile)),
             end.toString(QStringLiteral("HH:mm")))
        .arg(minutes);
}

QString refusal(qint32 action)
{
    return QString::fromLatin1(RunEnd::of(action).refusal);
}

QString briefly(const QString& serviceText)
{
    constexpr qsizetype Longest = 200;
    const QString line = serviceText.trimmed().section(u'\n', 0, 0).trimmed();
    return line.size() <= Longest ? line : line.left(Longest - 1) + QChar(0x2026);
}

QString doubt(SessionControl::Ability ability, const SessionControl::Outlook& outlook)
{
    const Words& words = Said[std::size_t(ability)];
    QStringList reasons;
    if (outlook.allowed == QLatin1String("no"))
        reasons << QLatin1StringView(words.forbidden);
    else if (outlook.allowed == QLatin1String("challenge"))
        reasons << QStringLiteral("it asks for a password, which nobody may be there to give");
    else if (outlook.allowed == QLatin1String("na"))
        reasons << QStringLiteral("this computer cannot do that");
    for (const auto& blocker : outlook.blockers)
        reasons << QStringLiteral("%1 is blocking %2 (%3)")
                       .arg(blocker.who, QLatin1StringView(words.blocked), blocker.why);
    if (reasons.isEmpty())
        return {};
    return QStringLiteral("The computer may not %1 at the end of this run: %2.")
        .arg(QLatin1StringView(words.doing), reasons.join(QStringLiteral("; ")));
}

QString cannot(SessionControl::Ability ability)
{
    return QStringLiteral("This computer cannot %1.")
        .arg(QLatin1StringView(Said[std::size_t(ability)].doing));
}

QString noScreenPower()
{
    return QStringLiteral("This desktop offers no way to turn the screens off: the run will only "
                          "pause the players.");
}

QString noScreenPowerWarning(qint64 remainingMs)
{
    return QStringLiteral("This desktop offers no way to turn the screens off. Playback will "
                          "pause in %1.")
        .arg(timeLeft(remainingMs));
}

} // namespace EndingText
