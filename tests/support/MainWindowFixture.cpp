#include "MainWindowFixture.h"

#include <QSettings>

MainWindowFixture::MainWindowFixture() : settings([] { return QStringLiteral("/usr/bin/somnivo"); })
{}

frmSomnivo& MainWindowFixture::create(bool load)
{
    window = std::make_unique<frmSomnivo>(
        settings, PlatformServices{clock, mixer, session, shell, autostart, tray});
    if (load)
        window->Form_Load();
    return *window;
}

QStringList MainWindowFixture::storedKeys() const
{
    QSettings file(settings.filePath(), QSettings::IniFormat);
    return file.allKeys();
}
