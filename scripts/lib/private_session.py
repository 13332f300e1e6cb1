#!/usr/bin/python3
"""A private desktop session for the program, for the tests, the measurements and the package
check: Xvfb (with openbox and a patterned root if asked) or weston, PulseAudio with a null sink,
a system bus with logind, a session bus (with a notification area, a notification server and a
playing media player if asked: "desktop"; and with GNOME's or KDE Plasma's screen locker and
screen power as well: "gnome", "kde"), or a real desktop shell instead (GNOME Shell or KDE Plasma,
headless: "shell"), in a throwaway folder, dying with its user. The
services on the buses are python3-dbusmock's stand-ins, which log every call. The program only
gets an environment built here: it never reaches the machine's own display, buses or sound.
As a launcher: private_session.py [--display] [--sound] [--system-bus] [--session-bus] -- COMMAND
"""

import configparser
import ctypes
import glob
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import dbus

HERE = os.path.dirname(os.path.abspath(__file__))
NOWHERE = "unix:path=/nonexistent/somnivo-test"
MAIN_TITLE = "Somnivo - Auto Shutdown Timer "
MOCK, LOGIN1 = "org.freedesktop.DBus.Mock", "org.freedesktop.login1"
MANAGER, SESSION_PATH = LOGIN1 + ".Manager", "/org/freedesktop/login1/session/c2"
WATCHER, PLAYER = "org.kde.StatusNotifierWatcher", "org.mpris.MediaPlayer2.Player"
SLEEP_NOW, ABOUT = (50, 276), (245, 276)  # in the main window
RUN_FILE = (240, 161)


def wait_for(predicate, timeout=10.0, step=0.05):
    """The predicate's first true value within timeout seconds, else None."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() < deadline:
        time.sleep(step)
    return value or None


def read(path):
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


class Session:
    def __init__(self, display=True, wm=False, retro=False, sound=True, system_bus=False,
                 session_bus=False, desktop=False, wayland=None, shell=None,
                 accessibility=False):
        self.dir = tempfile.mkdtemp(prefix="somnivo-test-")
        self.processes, self.program, self.window, self.buses = [], None, None, {}
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(
            ("DBUS_", "PULSE_", "ALSA_", "XDG_", "WAYLAND_", "DISPLAY", "XAUTHORITY",
             "DESKTOP_SESSION", "KDE_", "GNOME_", "QT_"))}
        for name in ("home", "config", "run"):
            os.makedirs(self.path(name), mode=0o700)
        self.env.update(HOME=self.path("home"), XDG_CONFIG_HOME=self.path("config"),
                        XDG_RUNTIME_DIR=self.path("run"), DBUS_SESSION_BUS_ADDRESS=NOWHERE,
                        DBUS_SYSTEM_BUS_ADDRESS=NOWHERE, PULSE_SERVER=NOWHERE,
                        ALSA_CONFIG_PATH=os.path.join(HERE, "asound-pulse-only.conf"),
                        QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="0")
        try:
            if shell:  # "gnome" or "plasma", with both buses, its display and a sound server
                self._start_sound()
                self._start_bus("DBUS_SYSTEM_BUS_ADDRESS", "system")
                self._start_logind()
                self._start_bus("DBUS_SESSION_BUS_ADDRESS", "session", activation=True)
                getattr(self, f"_start_{shell}_shell")()
                return
            if wayland:  # "native", or "xwayland" for an X11 program on a Wayland desktop
                self._start_weston(wayland == "xwayland")
            elif display:
                self._start_display(wm, retro)
            if sound:
                self._start_sound()
            if system_bus:
                self._start_bus("DBUS_SYSTEM_BUS_ADDRESS", "system")
                self._start_logind()
            if session_bus:
                self._start_bus("DBUS_SESSION_BUS_ADDRESS", "session")
                if desktop:
                    self._start_desktop()
                if desktop in ("gnome", "kde"):
                    getattr(self, "_start_" + desktop)()
                if accessibility:
                    self._start_accessibility_bus()
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def path(self, name):
        return os.path.join(self.dir, name)

    def spawn(self, command, **options):
        """Starts a process that dies with this one, in a process group of its own."""
        process = subprocess.Popen(command, env=options.pop("env", self.env),
                                   preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL),
                                   start_new_session=True, **options)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        # And whatever a bus started on its own (a shell's parts) with this session's folders.
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if self.dir.encode() in environ.read():
                        os.kill(int(pid), signal.SIGKILL)
            except OSError:
                pass
        shutil.rmtree(self.dir, ignore_errors=True)

    def _start_display(self, wm, retro):
        read, write = os.pipe()
        # Without -noreset the server resets whenever its last client leaves, and refuses
        # whoever connects meanwhile.
        self.spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten",
                    "tcp", "-noreset"] + ["-retro"] * retro, pass_fds=[write],
                   stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            self.env["DISPLAY"] = ":" + pipe.readline().strip()
        if wm:
            # The first key typed through XTEST changes the keyboard the server reports, and
            # openbox reloads its key bindings on that: a key it should have taken (Alt+F4) goes
            # to the window instead. Typed once before openbox starts, it changes nothing later.
            self.xdotool("key", "shift")
            self.spawn(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
            assert wait_for(lambda: "window id" in self.run(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK")), "no openbox"

    def _start_weston(self, xwayland):
        """Weston's headless back end; with --debug it answers weston-debug and takes
        screenshots. Under Xwayland the program is an X11 client of weston's X server."""
        log = self.path("weston.log")
        self.env.update(WAYLAND_DISPLAY="somnivo-wayland", QT_QPA_PLATFORM="wayland")
        self.spawn(["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                    "--socket=somnivo-wayland", "--width=1280", "--height=800", "--log=" + log] +
                   ["--xwayland"] * xwayland, stderr=subprocess.DEVNULL)
        assert wait_for(lambda: "background for output" in self.scene()), "no weston"
        if xwayland:
            found = wait_for(lambda: re.search(r"xserver listening on display (:\d+)",
                                               open(log, encoding="utf-8").read()))
            self.env.update(DISPLAY=found.group(1), QT_QPA_PLATFORM="xcb")

    def scene(self):
        """Weston's view of its windows: where each is, its title and its process."""
        return self.run("weston-debug", "scene-graph")

    def _start_sound(self):
        run = self.path("pulse")
        os.makedirs(run, mode=0o700, exist_ok=True)
        self.env.update(PULSE_SERVER="unix:" + run + "/native", PULSE_RUNTIME_PATH=run,
                        PULSE_COOKIE=self.path("pulse-cookie"))
        # Without a display and a session bus, or PulseAudio starts a bus of its own.
        self.sound_command = [
            "env", "-u", "DISPLAY", "-u", "DBUS_SESSION_BUS_ADDRESS", "pulseaudio", "-n",
            "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
            "--log-target=file:" + self.path("pulse.log"), "-L",
            "module-null-sink sink_name=testsink", "-L",
            "module-native-protocol-unix auth-anonymous=1 socket=" + run + "/native"]
        self.spawn(self.sound_command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        assert wait_for(lambda: "testsink" in self.run("pactl", "info")), "no sound server"

    def _start_bus(self, variable, kind, activation=False):
        """A dbus-daemon of this session's own, without service activation unless asked."""
        self.env[variable] = "unix:path=" + self.path(kind + "-bus")
        config = os.path.join(HERE, "desktop-bus.conf" if activation else "private-bus.conf")
        daemon = self.spawn(["dbus-daemon", "--config-file=" + config, "--address=" +
                             self.env[variable], "--nofork", "--nopidfile", "--print-address"],
                            stdout=subprocess.PIPE, text=True)
        assert daemon.stdout.readline().startswith("unix:"), "no " + kind + " bus"
        self.buses[kind] = dbus.bus.BusConnection(self.env[variable])

    def _start_mocks(self, kind, *mocks):
        """python3-dbusmock stand-ins on this session's bus, started side by side: each a
        template, or a bus name, object and interface; each logs its calls to a file of its own."""
        names = []
        for number, arguments in enumerate(mocks, len(glob.glob(self.path("calls-*")))):
            log = self.path(f"calls-{number}")
            open(log, "w").close()
            self.spawn(["/usr/bin/python3", "-m", "dbusmock", "--" + kind, "-l", log] + arguments,
                       stdout=subprocess.DEVNULL)
            names.append({"logind": LOGIN1, "notification_daemon": "org.freedesktop.Notifications",
                          "gnome_screensaver": "org.gnome.ScreenSaver"}.get(arguments[-1],
                                                                            arguments[0]))
        assert wait_for(lambda: all(map(self.buses[kind].name_has_owner, names))), names

    def mock(self, kind, name, path):
        """A stand-in's object, to be told what to answer (its interface is MOCK)."""
        return dbus.Interface(self.buses[kind].get_object(name, path), MOCK)

    def _start_logind(self):
        """logind as it answers a program that the desktop started in an app scope: it belongs
        to no session, and "auto" is the user's display session, c2."""
        self._start_mocks("system", ["-t", "logind"])
        logind = self.mock("system", LOGIN1, "/org/freedesktop/login1")
        logind.AddSession("c2", "seat0", dbus.UInt32(os.getuid()), "tester", True)
        unknown = 'raise dbus.exceptions.DBusException("{}", name="org.freedesktop.login1.{}")'
        logind.AddMethod(MANAGER, "GetSessionByPID", "u", "o", unknown.format(
            "PID does not belong to any known session", "NoSessionForPID"))
        logind.AddMethod(MANAGER, "GetSession", "s", "o", f'ret = "{SESSION_PATH}"\n'
                         'if args[0] not in ("auto", "c2"): ' + unknown.format(
                             "No such session", "NoSuchSession"))
        user = f"/org/freedesktop/login1/user/{os.getuid()}"
        logind.AddMethod(MANAGER, "GetUserByPID", "u", "o", f'ret = "{user}"')
        display = dbus.Struct(("c2", dbus.ObjectPath(SESSION_PATH)))
        self.buses["system"].get_object(LOGIN1, user).Set(
            LOGIN1 + ".User", "Display", display, dbus_interface=dbus.PROPERTIES_IFACE)
        # The caller's own user, as logind names it for whoever asks (GNOME Shell does).
        logind.AddObject("/org/freedesktop/login1/user/self", LOGIN1 + ".User", {
            "Display": display, "Sessions": dbus.Array([display], signature="(so)"),
            "UID": dbus.UInt32(os.getuid()), "Name": "tester", "State": "active"}, [])

    def _start_desktop(self):
        """A notification area, a notification server and a media player that plays."""
        self._start_mocks("session", ["-t", "notification_daemon"],
                          [WATCHER, "/StatusNotifierWatcher", WATCHER],
                          ["org.mpris.MediaPlayer2.fake", "/org/mpris/MediaPlayer2", PLAYER])
        watcher = self.mock("session", WATCHER, "/StatusNotifierWatcher")
        watcher.AddProperties(WATCHER, {"IsStatusNotifierHostRegistered": True,
                                        "ProtocolVersion": 0, "RegisteredStatusNotifierItems":
                                        dbus.Array([], signature="s")})
        watcher.AddMethod(WATCHER, "RegisterStatusNotifierItem", "s", "", "")
        player = self.mock("session", "org.mpris.MediaPlayer2.fake", "/org/mpris/MediaPlayer2")
        player.AddProperty(PLAYER, "PlaybackStatus", "Playing")
        player.AddMethod(PLAYER, "Pause", "", "",
                         f'self.Set("{PLAYER}", "PlaybackStatus", "Paused")')

    def _start_accessibility_bus(self):
        """The accessibility bus, as a desktop with a screen reader on has it: its launcher on
        this session bus, the registry started on it by activation; programs always take part."""
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   env=dict(self.env, GSETTINGS_BACKEND="memory"), stderr=subprocess.DEVNULL)
        assert wait_for(lambda: self.buses["session"].name_has_owner("org.a11y.Bus")), "no a11y"
        del self.env["QT_ACCESSIBILITY"]
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def _start_gnome(self):
        """GNOME's screen locker, and its display configuration with the power-save mode, set
        back at the input its idle monitor watches for (the test fires the watch)."""
        config, monitor = "org.gnome.Mutter.DisplayConfig", "org.gnome.Mutter.IdleMonitor"
        self._start_mocks("session", ["-t", "gnome_screensaver"],
                          [config, "/org/gnome/Mutter/DisplayConfig", config],
                          [monitor, "/org/gnome/Mutter/IdleMonitor/Core", monitor])
        self.mock("session", config, "/org/gnome/Mutter/DisplayConfig").AddProperty(
            config, "PowerSaveMode", dbus.Int32(0))
        self.mock("session", monitor, "/org/gnome/Mutter/IdleMonitor/Core").AddMethod(
            monitor, "AddUserActiveWatch", "", "u", "ret = 7")

    def _start_kde(self):
        """The freedesktop screen locker and the power management's global shortcuts, as KDE
        Plasma has them."""
        locker, accel = "org.freedesktop.ScreenSaver", "org.kde.kglobalaccel"
        self._start_mocks("session", [locker, "/ScreenSaver", locker],
                          [accel, "/kglobalaccel", "org.kde.KGlobalAccel"])
        self.mock("session", locker, "/ScreenSaver").AddMethod(locker, "Lock", "", "", "")
        shortcuts = self.mock("session", accel, "/kglobalaccel")
        shortcuts.AddMethod("org.kde.KGlobalAccel", "getComponent", "s", "o",
                            'ret = "/component/" + args[0]')
        shortcuts.AddObject("/component/org_kde_powerdevil", "org.kde.kglobalaccel.Component",
                            {}, [("invokeShortcut", "s", "", "")])

    def _start_gnome_shell(self):
        """GNOME Shell on a virtual monitor, with the display manager it asks before it builds
        its lock screen; programs reach it as a Wayland compositor. At start the shell launches
        an input method daemon, running script code between fork and exec; in one start of three
        or so the child deadlocks on a lock another thread held at the fork, and the shell waits
        for it for ever. Such a start (a good one takes under 2 s) is killed and tried again."""
        manager = "org.gnome.DisplayManager"
        self._start_mocks("system", [manager, "/org/gnome/DisplayManager/Manager",
                                     manager + ".Manager"])
        self.mock("system", manager, "/org/gnome/DisplayManager/Manager").AddProperty(
            manager + ".Manager", "Version", "43.0")
        log = self.path("shell.log")
        for _ in range(6):
            with open(log, "w") as output:
                shell = self.spawn(["gnome-shell", "--headless", "--wayland", "--no-x11",
                                    "--virtual-monitor", "1280x800"], stdout=output,
                                   stderr=subprocess.STDOUT)
            if wait_for(lambda: "GNOME Shell started" in read(log), 8):
                break
            os.killpg(shell.pid, signal.SIGKILL)
            shell.wait()
        else:
            raise AssertionError("no GNOME Shell:\n" + read(log))
        display = re.search(r"Using Wayland display name '([^']+)'", read(log)).group(1)
        self.env.update(WAYLAND_DISPLAY=display, QT_QPA_PLATFORM="wayland")

    def _start_plasma_shell(self):
        """KDE Plasma: KWin on a virtual output (a copy of it: the installed one carries a file
        capability that this machine refuses), kded (the notification area's watcher) and
        plasmashell (the area itself and the notification server)."""
        kwin = self.path("kwin_wayland")
        shutil.copy("/usr/bin/kwin_wayland", kwin)
        self.env.update(XDG_CURRENT_DESKTOP="KDE", KDE_FULL_SESSION="true",
                        KDE_SESSION_VERSION="5")
        compositor = {k: v for k, v in self.env.items() if k != "QT_QPA_PLATFORM"}
        with open(self.path("shell.log"), "w") as output:
            self.spawn([kwin, "--virtual", "--width", "1280", "--height", "800", "--socket",
                        "wayland-0"], env=compositor, stdout=output, stderr=subprocess.STDOUT)
            assert wait_for(lambda: os.path.exists(self.path("run/wayland-0"))), "no KWin"
            self.env.update(WAYLAND_DISPLAY="wayland-0", QT_QPA_PLATFORM="wayland")
            subprocess.run(["dbus-update-activation-environment"] + [
                f"{name}={self.env[name]}" for name in (
                    "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CURRENT_DESKTOP",
                    "KDE_FULL_SESSION", "KDE_SESSION_VERSION")], env=self.env, check=True)
            for part in ("kded5", "plasmashell"):
                self.spawn([part], stdout=output, stderr=subprocess.STDOUT)
        needed = ("org.kde.StatusNotifierWatcher", "org.freedesktop.Notifications",
                  "org.freedesktop.ScreenSaver")
        assert wait_for(lambda: all(map(self.buses["session"].name_has_owner, needed)),
                        30), "no Plasma"

    # Settings and the program

    @property
    def settings_file(self):
        return os.path.join(self.path("config"), "somnivo", "somnivo.ini")

    def store(self, **options):
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        with open(self.settings_file, "w", encoding="utf-8") as file:
            file.write("[Config]\n" + "".join(f"{k}={v}\n" for k, v in options.items()))

    def settings(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        parser.read(self.settings_file, encoding="utf-8")
        return dict(parser["Config"]) if parser.has_section("Config") else {}

    def launch(self, *arguments, wait=True):
        self.program = self.spawn([os.environ["SOMNIVO_PROGRAM"]] + list(arguments))
        if wait:
            self.window = self.find_window(MAIN_TITLE)
            assert self.window, "the main window never showed"

    # The display

    def run(self, *command):
        """A tool's output on this session's display and sound server; empty when it failed."""
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=20)
        return result.stdout if result.returncode == 0 else ""

    def xdotool(self, *arguments):
        return self.run("xdotool", *map(str, arguments))

    def find_window(self, title, timeout=10):
        found = wait_for(lambda: self.xdotool("search", "--onlyvisible", "--name",
                                              "^" + re.escape(title) + "$").split(), timeout)
        return int(found[0]) if found else None

    def geometry(self, window):
        """(x, y, width, height) on the screen."""
        info = self.run("xwininfo", "-id", str(window))
        return tuple(int(re.search(label + r":\s+(-?\d+)", info).group(1)) if info else 0
                     for label in ("upper-left X", "upper-left Y", "Width", "Height"))

    def click(self, where):
        x, y = self.geometry(self.window)[:2]
        self.xdotool("mousemove", x + where[0], y + where[1], "click", 1)



def main(argv):
    options, command = argv[:argv.index("--")], argv[argv.index("--") + 1:]
    with Session(display="--display" in options, sound="--sound" in options,
                 system_bus="--system-bus" in options, session_bus="--session-bus" in options,
                 desktop=False) as session:
        env = dict(session.env, SOMNIVO_TEST_DIR=session.dir,
                   SOMNIVO_TEST_SOUND_COMMAND=shlex.join(getattr(session, "sound_command", [])))
        return subprocess.run(command, env=env, check=False).returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
