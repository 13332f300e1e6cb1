#include "CommandLine.h"

#include "ProgramInfo.h"
#include "engine/RunEnd.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <array>

namespace {

// The countdown box takes four characters.
constexpr int MinutesMaxLength = 4;

const QStringList OptionsWithValue = {QStringLiteral("--in"),     QStringLiteral("--at"),
                                      QStringLiteral("--idle"),   QStringLiteral("--after-exit"),
                                      QStringLiteral("--action"), QStringLiteral("--run-file")};
const QStringList Flags = {QStringLiteral("--daily"), QStringLiteral("--media-end"),
                           QStringLiteral("--stop")};
// The options that choose what a run waits for, by the kind the window stores.
const QStringList Kinds = {QStringLiteral("--in"), QStringLiteral("--at"), QStringLiteral("--idle"),
                           QStringLiteral("--media-end"), QStringLiteral("--after-exit")};

// The toolkit's options that take a value, and those that do not.
const QStringList ToolkitOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("title"),           QStringLiteral("visual")};
const QStringList ToolkitFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                  QStringLiteral("nograb"), QStringLiteral("dograb"),
                                  QStringLiteral("sync")};

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// "logoff, shutdown, ... or pause", the names of every end.
QString actionNames(const QString& lastSeparator)
{
    QStringList names;
    for (const RunEnd& end : RunEnd::all())
        names << QLatin1StringView(end.name);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + lastSeparator + last;
}

} // namespace

QStringList CommandLine::argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void CommandLine::fail(const QString& message)
{
    if (request != Request::Invalid)
        error = message;
    request = Request::Invalid;
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine command;
    if (arguments.contains(QLatin1String("--help")) ||
        arguments.contains(QLatin1String("--version"))) {
        command.request =
            arguments.contains(QLatin1String("--help")) ? Request::Help : Request::Version;
        return command;
    }

    QStringList given;
    bool stop = false;
    std::optional<QString> at;
    for (int i = 0; i < arguments.size() && command.request != Request::Invalid; ++i) {
        QString option = arguments[i];
        std::optional<QString> value;
        // "--in=30" as well as "--in 30".
        if (const qsizetype equals = option.indexOf(QLatin1Char('='));
            equals > 0 && (OptionsWithValue.contains(option.left(equals)) ||
                           Flags.contains(option.left(equals)))) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        const bool takesValue = OptionsWithValue.contains(option);
        const bool isFlag = Flags.contains(option);
        if (takesValue || isFlag) {
            if (given.contains(option)) {
                command.fail(tr("%1 is given twice").arg(option));
                break;
            }
            given.append(option);
        }
        if (takesValue && !value) {
            if (i + 1 >= arguments.size()) {
                command.fail(tr("%1 needs a value").arg(option));
                break;
            }
            value = arguments[++i];
        }
        if (isFlag && value) {
            command.fail(tr("%1 takes no value").arg(option));
            break;
        }

        if (option == QLatin1String("--in") || option == QLatin1String("--idle")) {
            command.minutes = *value;
        } else if (option == QLatin1String("--after-exit")) {
            command.program = value->trimmed();
        } else if (option == QLatin1String("--media-end")) {
        } else if (option == QLatin1String("--at")) {
            at = *value;
        } else if (option == QLatin1String("--action")) {
            if (const RunEnd* end = RunEnd::named(*value))
                command.action = end->code;
            else
                command.fail(
                    tr("--action takes %1, not %2").arg(actionNames(tr(" or ")), quoted(*value)));
        } else if (option == QLatin1String("--run-file")) {
            command.runFile = value->trimmed();
        } else if (option == QLatin1String("--daily")) {
            command.daily = true;
        } else if (option == QLatin1String("--stop")) {
            stop = true;
        } else if (const QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
                   option.startsWith(QLatin1Char('-')) && ToolkitOptionsWithValue.contains(name)) {
            ++i; // the toolkit's, with its value
        } else if (!option.startsWith(QLatin1Char('-')) || !ToolkitFlags.contains(name)) {
            command.fail(
                option.startsWith(QLatin1Char('-'))
                    ? tr("unknown option %1 (see somnivo --help)").arg(quoted(option))
                    : tr("unexpected argument %1 (see somnivo --help)").arg(quoted(option)));
        }
    }
    if (command.request == Request::Invalid)
        return command;

    QStringList kinds;
    for (const QString& kind : Kinds) {
        if (given.contains(kind))
            kinds << kind;
    }
    if (stop) {
        if (given.size() > 1)
            command.fail(tr("--stop takes no other options"));
        else
            command.request = Request::Stop;
        return command;
    }
    if (command.daily && !at)
        command.fail(tr("--daily goes with --at"));
    const bool runsFile =
        command.action && RunEnd::of(*command.action).means == RunEnd::Means::RunFile;
    if (given.contains(QLatin1String("--run-file")) && !runsFile)
        command.fail(tr("--run-file goes with --action runfile"));
    if (runsFile && command.runFile.isEmpty())
        command.fail(tr("--action runfile needs --run-file PATH"));
    if (kinds.size() > 1) {
        command.fail(tr("%1 and %2 cannot be used together").arg(kinds[0], kinds[1]));
    } else if (!kinds.isEmpty() && kinds[0] != QLatin1String("--at")) {
        command.schedule = int(Kinds.indexOf(kinds[0]));
        const QString& kind = kinds[0];
        static const QRegularExpression decimal(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
        static const QRegularExpression processId(QStringLiteral("^[0-9]+$"));
        if (command.schedule == 4) {
            if (command.program.isEmpty() || command.program.contains(QLatin1Char('/')))
                command.fail(tr("--after-exit takes a process id or a program's name, not %1")
                                 .arg(quoted(command.program)));
            else if (processId.match(command.program).hasMatch() &&
                     !QFileInfo::exists(QStringLiteral("/proc/") + command.program))
                command.fail(tr("no such process: %1").arg(command.program));
        } else if (command.schedule == 3) {
        } else if (!decimal.match(command.minutes).hasMatch()) {
            command.fail(tr("%1 takes minutes as a number such as 30 or 0.5, not %2")
                             .arg(kind, quoted(command.minutes)));
        } else if (command.minutes.size() > MinutesMaxLength) {
            command.fail(tr("%1 takes at most %2 characters, as the minutes box does, not %3")
                             .arg(kind)
                             .arg(MinutesMaxLength)
                             .arg(quoted(command.minutes)));
        } else if (command.minutes.toDouble() == 0) {
            command.fail(tr("%1 needs more than 0 minutes").arg(kind));
        }
    } else if (at) {
        command.schedule = 1;
        static const QRegularExpression clock(QStringLiteral("^([01]?[0-9]|2[0-3]):([0-5][0-9])$"));
        const QRegularExpressionMatch match = clock.match(*at);
        if (!match.hasMatch()) {
            command.fail(
                tr("--at takes a clock time from 00:00 to 23:59, not %1").arg(quoted(*at)));
        } else {
            command.hour = match.captured(1).toInt();
            command.minute = match.captured(2).toInt();
        }
    } else if (!given.isEmpty()) {
        command.fail(
            tr("%1 needs --in, --at, --idle, --media-end or --after-exit").arg(given.first()));
    }
    if (runsFile && !command.runFile.isEmpty()) {
        const QFileInfo file(command.runFile);
        if (!file.exists())
            command.fail(tr("no such file: %1").arg(quoted(command.runFile)));
        command.runFile = file.absoluteFilePath();
    }
    if (command.request == Request::Start && !given.isEmpty())
        command.request = Request::Arm;
    return command;
}

QStringList CommandLine::arguments() const
{
    if (request == Request::Stop)
        return {QStringLiteral("--stop")};
    if (request != Request::Arm)
        return {};
    QStringList arguments{Kinds.value(schedule)};
    if (schedule == 0 || schedule == 2)
        arguments << minutes;
    else if (schedule == 1)
        arguments << QStringLiteral("%1:%2")
                         .arg(hour, 2, 10, QLatin1Char('0'))
                         .arg(minute, 2, 10, QLatin1Char('0'));
    else if (schedule == 4)
        arguments << program;
    if (daily)
        arguments << QStringLiteral("--daily");
    if (action)
        arguments << QStringLiteral("--action") << QLatin1StringView(RunEnd::of(*action).name);
    if (!runFile.isEmpty())
        arguments << QStringLiteral("--run-file") << runFile;
    return arguments;
}

QString CommandLine::versionText()
{
    return QStringLiteral("somnivo %1\n").arg(QLatin1StringView(ProgramInfo::Version));
}

QString CommandLine::helpText()
{
    return tr("Usage: somnivo [OPTION...]\n"
              "A sleep timer: at the end of a countdown, at a clock time, after a while without\n"
              "input, when the media playing now ends or when a program exits, it logs off,\n"
              "shuts down, restarts, suspends, hibernates, locks the screen, turns the screens\n"
              "off, opens a file or only pauses the players, optionally fading the volume and\n"
              "blacking out the screen. Without options it shows its window. With them it arms\n"
              "or stops a run in the copy already running, or starts one with it, as if the\n"
              "window had been used.\n"
              "\n"
              "  --in MINUTES        end the run in MINUTES minutes (at most 4 characters: 30, "
              "0.5)\n"
              "  --at HH:MM          end the run at this clock time\n"
              "  --daily             with --at: arm again at every start of the program\n"
              "  --idle MINUTES      end the run after MINUTES minutes without input\n"
              "  --media-end         end the run when the media playing now ends\n"
              "  --after-exit PID|NAME\n"
              "                      end the run when this process, or every process of\n"
              "                      yours with this name, has exited\n"
              "  --action ACTION     what to do at the end (default: as last chosen):\n"
              "                      %1\n"
              "  --run-file PATH     with --action runfile: the file to open at the end\n"
              "  --stop              stop the run that is going\n"
              "  --help              show this help and end\n"
              "  --version           show the version and end\n")
        .arg(actionNames(QStringLiteral(", ")));
}
