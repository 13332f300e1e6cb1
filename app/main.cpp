#include "ApplicationSetup.h"
#include "SettingsStore.h"
#include "frmSomnivo.h"
#include "platform/EarlyOpenedMixer.h"
#include "platform/FallbackMixer.h"
#include "platform/linux/AlsaMixer.h"
#include "platform/linux/BootClock.h"
#include "platform/linux/DesktopNotifier.h"
#include "platform/linux/DesktopShell.h"
#include "platform/linux/DesktopWindowSystem.h"
#include "platform/linux/LockFileInstanceGuard.h"
#include "platform/linux/LogindSessionControl.h"
#include "platform/linux/MprisMediaPlayers.h"
#include "platform/linux/PulseAudioMixer.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/linux/XdgAutostartStore.h"
#include "tray/QtTrayIconBackend.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    // Before anything else is touched: a second copy only asks the first one to show itself.
    LockFileInstanceGuard instanceGuard(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (!instanceGuard.tryAcquire()) {
        instanceGuard.askRunningCopyToShow();
        return 0;
    }

    // The sound server's own protocol where one answers (one request a volume step), else ALSA;
    // reached while the rest of start-up goes on.
    PulseAudioMixer pulseAudio;
    AlsaMixer alsa;
    FallbackMixer anyMixer{&pulseAudio, &alsa};
    EarlyOpenedMixer mixer(anyMixer);
    ApplicationSetup::apply();
    BootClock clock;
    LogindSessionControl session;
    DesktopShell shell;
    XdgAutostartStore autostart;
    QtTrayIconBackend tray;
    DesktopWindowSystem windowSystem;
    MprisMediaPlayers players;
    DesktopNotifier notifier;
    SettingsStore settings;
    frmSomnivo window(
        settings, {clock, mixer, session, shell, autostart, tray, windowSystem, players, notifier});
    QObject::connect(&instanceGuard, &InstanceGuard::showRequested, &window,
                     &frmSomnivo::showFromElsewhere);
    // The session ending, or anyone asking the program to end, closes the window properly.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &QWidget::close);
    QObject::connect(&window, &frmSomnivo::unloaded, &app, [] { QCoreApplication::exit(0); });
    window.Form_Load();
    if (window.isClosed()) // asked to end during start-up
        return 0;
    window.showAfterLoad();
    return app.exec();
}
