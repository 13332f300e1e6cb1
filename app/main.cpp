#include "ApplicationSetup.h"
#include "SettingsStore.h"
#include "frmSomnivo.h"
#include "platform/linux/AlsaMixer.h"
#include "platform/linux/BootClock.h"
#include "platform/linux/DesktopShell.h"
#include "platform/linux/LockFileInstanceGuard.h"
#include "platform/linux/LogindSessionControl.h"

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

    ApplicationSetup::apply();
    BootClock clock;
    AlsaMixer mixer;
    LogindSessionControl session;
    DesktopShell shell;
    SettingsStore settings;
    frmSomnivo window(settings, {clock, mixer, session, shell});
    QObject::connect(&instanceGuard, &InstanceGuard::showRequested, &window,
                     &frmSomnivo::showFromElsewhere);
    window.Form_Load();
    window.show();
    return app.exec();
}
