#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line: start as usual, print its help or
// version, or arm or stop a run in the running copy (or in this one, when none runs).
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request
    {
        Start,
        Help,
        Version,
        Arm,
        Stop,
        Invalid
    };

    // The arguments without the program's name. The toolkit's own options (-platform, -session,
    // ...) are passed over: the toolkit reads them itself.
    static CommandLine parse(const QStringList& arguments);
    static QStringList argumentsOf(int argc, char* argv[]);

    static QString helpText();
    static QString versionText();

    // The request again as arguments, the file made absolute: what goes to the running copy.
    QStringList arguments() const;

    Request request = Request::Start;
    QString error; // what is wrong, for an invalid request

    // Arm: the kind of run, as the window stores it (0 a countdown, 1 a clock time, 2 time
    // without input, 3 the end of the media, 4 a program's exit), and what it waits for.
    int schedule = 0;
    QString minutes; // of the countdown or without input, as typed into its box
    int hour = -1;
    int minute = -1;
    bool daily = false;
    QString program;           // a name, or a process id
    std::optional<int> action; // the option's position: log off, shut down, restart, run a file
    QString runFile;

private:
    void fail(const QString& message);
};
