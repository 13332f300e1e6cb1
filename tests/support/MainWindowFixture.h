#pragma once

#include "FakeAutostartStore.h"
#include "FakeClock.h"
#include "FakeMixer.h"
#include "FakeSessionControl.h"
#include "FakeShell.h"
#include "FakeTrayIconBackend.h"
#include "TestHome.h"
#include "app/SettingsStore.h"
#include "app/frmSomnivo.h"

#include <QWidget>

#include <memory>

// The real main window on fake services, in a private home with its own settings file.
class MainWindowFixture
{
public:
    MainWindowFixture();

    // Builds the window; with load, runs its start-up as the program does before showing it.
    frmSomnivo& create(bool load = true);

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QLatin1StringView(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    void store(QLatin1StringView key, const QString& value) const
    {
        settings.WriteSetting(key, value);
    }
    QString stored(QLatin1StringView key) const
    {
        return settings.ReadSetting(key, QStringLiteral("<absent>"));
    }
    // The keys the settings file holds, in order.
    QStringList storedKeys() const;

    TestHome home;
    FakeClock clock;
    FakeMixer mixer;
    FakeSessionControl session;
    FakeShell shell;
    FakeAutostartStore autostart;
    FakeTrayIconBackend tray;
    SettingsStore settings;
    std::unique_ptr<frmSomnivo> window;
};
