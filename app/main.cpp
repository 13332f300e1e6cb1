#include "ApplicationSetup.h"
#include "CommandLine.h"
#include "SettingsStore.h"
#include "Translations.h"
#include "frmSomnivo.h"
#include "platform/EarlyOpenedMixer.h"
#include "platform/linux/AlsaMixer.h"
#include "platform/linux/BootClock.h"
#include "platform/linux/DesktopIdleSource.h"
#include "platform/linux/DesktopNotifier.h"
#include "platform/linux/DesktopScreenLocker.h"
#include "platform/linux/DesktopScreenPower.h"
#include "platform/linux/DesktopShell.h"
#include "platform/linux/DesktopWindowSystem.h"
#include "platform/linux/LockFileInstanceGuard.h"
#include "platform/linux/LogindSessionControl.h"
#include "platform/linux/MprisMediaPlayers.h"
#include "platform/linux/MprisMediaWatch.h"
#include "platform/linux/PidfdProcessWatch.h"
#include "platform/linux/PulseAudioMixer.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/linux/XdgAutostartStore.h"
#include "tray/QtTrayIconBackend.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>

#include <cstdio>

namespace {

// --help, --version or a command line in error, told without a display.
int answerAtOnce(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    Translations::install();
    const CommandLine command = CommandLine::parse(CommandLine::argumentsOf(argc, argv));
    switch (command.request) {
    case CommandLine::Request::Help:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    default:
        std::fprintf(stderr, "somnivo: %s\n", qPrintable(command.error));
        return 2;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before anything else, in the user's language: no window, no lock, nothing stored.
    const CommandLine command = CommandLine::parse(CommandLine::argumentsOf(argc, argv));
    switch (command.request) {
    case CommandLine::Request::Help:
    case CommandLine::Request::Version:
    case CommandLine::Request::Invalid:
        return answerAtOnce(argc, argv);
    default:
        break;
    }

    QApplication app(argc, argv);
    Translations::install();

    // Before anything else is touched: a second copy only asks the first one to show itself, or
    // hands it its command line.
    LockFileInstanceGuard instanceGuard(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    const bool start = command.request == CommandLine::Request::Start;
    switch (
        instanceGuard.runOrHandOver(start ? std::nullopt : std::optional(command.arguments()))) {
    case InstanceGuard::Outcome::HandedOver:
        return 0;
    case InstanceGuard::Outcome::Unanswered:
        std::fprintf(stderr, "somnivo: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "the running copy did not take the request")));
        return 1;
    case InstanceGuard::Outcome::Running:
        break;
    }

    // The session bus is reached first, and its thread started: no thread can start while the
    // mixer's thread below loads its library, and the first caption set in the window asks for the
    // bus (for assistive technology) and would wait for that load.
    QDBusConnection::sessionBus();
    // The sound server's own protocol where one answers (one request a volume step), else ALSA;
    // reached while the rest of start-up goes on.
    PulseAudioMixer pulseAudio;
    AlsaMixer alsa;
    EarlyOpenedMixer mixer{&pulseAudio, &alsa};
    ApplicationSetup::apply();
    BootClock clock;
    LogindSessionControl session;
    DesktopShell shell;
    XdgAutostartStore autostart;
    QtTrayIconBackend tray;
    DesktopWindowSystem windowSystem;
    MprisMediaPlayers players;
    DesktopNotifier notifier;
    DesktopScreenLocker locker(session);
    DesktopScreenPower screens;
    DesktopIdleSource idle;
    MprisMediaWatch media;
    PidfdProcessWatch programs;
    SettingsStore settings;
    frmSomnivo window(settings, {clock, mixer, session, shell, autostart, tray, windowSystem,
                                 players, notifier, locker, screens, idle, media, programs});
    QObject::connect(&instanceGuard, &InstanceGuard::showRequested, &window,
                     &frmSomnivo::showFromElsewhere);
    QObject::connect(&instanceGuard, &InstanceGuard::runRequested, &window,
                     [&window](const QStringList& arguments) {
                         window.carryOut(CommandLine::parse(arguments));
                     });
    // The session ending, or anyone asking the program to end, closes the window properly.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &QWidget::close);
    QObject::connect(&window, &frmSomnivo::unloaded, &app, [&instanceGuard] {
        instanceGuard.release(); // a later start runs, rather than asking this copy
        QCoreApplication::exit(0);
    });
    window.Form_Load();
    if (window.isClosed()) // asked to end during start-up
        return 0;
    window.carryOut(command);
    window.showAfterLoad();
    return app.exec();
}
