#pragma once

class AutostartStore;
class Clock;
class IdleSource;
class MediaPlayers;
class MediaWatch;
class Mixer;
class Notifier;
class ProcessWatch;
class ScreenLocker;
class ScreenPower;
class SessionControl;
class Shell;
class TrayIconBackend;
class WindowSystem;

// The operating-system services the main window works with, chosen once by the program's entry
// point (and replaced by fakes in tests).
struct PlatformServices
{
    Clock& clock;
    Mixer& mixer;
    SessionControl& session;
    Shell& shell;
    AutostartStore& autostart;
    TrayIconBackend& tray;
    WindowSystem& windowSystem;
    MediaPlayers& players;
    Notifier& notifier;
    ScreenLocker& locker;
    ScreenPower& screens;
    IdleSource& idle;
    MediaWatch& media;
    ProcessWatch& programs;
};
