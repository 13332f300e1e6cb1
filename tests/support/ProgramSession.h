#pragma once

#include "PrivatePulseAudio.h"
#include "ProgramUnderTest.h"
#include "TestHome.h"
#include "VirtualDisplay.h"
#include "app/SettingsStore.h"

#include <QPoint>

#include <initializer_list>
#include <memory>
#include <utility>

// Everything one run of the real program needs: a private home with its settings, a private
// sound server, a private X server, and the program on them.
struct ProgramSession
{
    static const QString MainTitle;
    // Where the window's controls are, in its own pixels.
    static constexpr QPoint SleepNow{50, 178};
    static constexpr QPoint About{245, 178};
    static constexpr QPoint VolumeUp{316, 18};

    explicit ProgramSession(
        VirtualDisplay::WindowManager manager = VirtualDisplay::WindowManager::None,
        VirtualDisplay::Root root = VirtualDisplay::Root::Plain);

    // Starts the sound server, at rawVolume when given (65536 = 100 %).
    bool startSound(std::optional<int> rawVolume = std::nullopt);
    void store(std::initializer_list<std::pair<QLatin1StringView, QString>> options) const;
    // Starts the program with these variables added and, unless told not to, waits for its
    // main window.
    bool launch(const QList<std::pair<QString, QString>>& environment = {},
                bool waitForWindow = true);
    void click(QPoint inWindow) const;
    void xdotool(const QStringList& arguments) const;
    // True once the program has ended by itself with status 0.
    bool ended() const;
    // An executable script that creates marker when it runs.
    QString markerScript(const QString& marker) const;

    TestHome home;
    PrivatePulseAudio sound;
    VirtualDisplay display;
    SettingsStore settings{[] { return QStringLiteral("somnivo"); }};
    std::unique_ptr<ProgramUnderTest> program;
    quint64 window = 0;
};
