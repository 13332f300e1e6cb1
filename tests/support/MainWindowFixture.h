#pragma once

#include "FakeAutostartStore.h"
#include "FakeClock.h"
#include "FakeMixer.h"
#include "FakeSessionControl.h"
#include "FakeShell.h"
#include "FakeTrayIconBackend.h"
#include "LayoutChecks.h"
#include "TestHome.h"
#include "app/SettingsStore.h"
#include "app/frmSomnivo.h"

// The controls the widget tests look at.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

// The real main window on fake services, in a private home with its own settings file.
class MainWindowFixture
{
public:
    MainWindowFixture();

    // Builds the window; with load, runs its start-up as the program does before showing it.
    frmSomnivo& create(bool load = true);

    template <typename T = QWidget> T* control(const char* name) const
    {
        return LayoutChecks::child<T>(window.get(), name);
    }
    // Moves the keyboard focus to the control the way the Tab key would.
    QWidget* focus(const char* name) const;

    void store(QLatin1StringView key, const QString& value) const
    {
        settings.WriteSetting(key, value);
    }
    // Stores each "key=value" of a blank-separated list, as "SHour=7 SetTime=90".
    void storeAll(const QString& pairs) const;
    QString stored(QLatin1StringView key) const { return settings.ReadSetting(key, u"<absent>"_s); }
    // The stored values of these keys, separated by blanks.
    QString stored(std::initializer_list<QLatin1StringView> keys) const;
    // Everything the settings file holds, as "Config/Dimin=1 Config/SetTime=5".
    QString storedFile() const;

    // What the option controls show: "txtShutDown=5 cmbHour=00 cmbMinute=00", the names of the
    // checked option buttons, then each check box as 0, 1 or 2 (grey), as "chkDimin=1".
    QString options() const;
    // The names of the schedule's inputs that are disabled, separated by blanks.
    QString disabled() const;
    // Once the next modal window is up, closes it and notes what it was in closedModals: a
    // message box as "title: text (icon, buttons: n)", any other window by its class name.
    void closeNextModal();
    QStringList closedModals;

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
