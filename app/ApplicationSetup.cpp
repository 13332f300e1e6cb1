#include "ApplicationSetup.h"

#include "ProgramInfo.h"
#include "Translations.h"
#include "forms/AccessibleControls.h"
#include "forms/ProgramIcon.h"

#include <QApplication>
#include <QStyle>

namespace ApplicationSetup {

void apply()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(ProgramInfo::Title));
    QCoreApplication::setApplicationVersion(QLatin1StringView(ProgramInfo::Version));
    // The designs place every control to the pixel; Fusion draws the same everywhere, so no
    // desktop theme can make a caption outgrow its place.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(programIcon());
    // The desktop finds the menu entry, and with it the name and icon, by this id.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(ProgramInfo::AppId));
    // The main window may be hidden in the notification area while a message or dialog is the
    // only window showing; closing that must not end the program. The main window's close ends
    // it.
    QApplication::setQuitOnLastWindowClosed(false);
    AccessibleControls::install();
    Translations::install();
}

} // namespace ApplicationSetup
