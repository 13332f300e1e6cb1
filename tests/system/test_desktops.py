"""The ends a desktop carries out, against the real desktops rather than stand-ins: GNOME Shell and
KDE Plasma, headless, each in a session of its own. The program is started with its command line,
as it would be from a terminal on those desktops."""
import os
import re
import subprocess
import threading
import time
import unittest

import dbus

from harness import Session, wait_for

SAVER = "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"
FDO_SAVER = "org.freedesktop.ScreenSaver", "/ScreenSaver", "org.freedesktop.ScreenSaver"
CONFIG = "org.gnome.Mutter.DisplayConfig"
DESKTOP = "org.gnome.Mutter.RemoteDesktop"


def call(s, service, path, interface, method, *arguments):
    return s.buses["session"].get_object(service, path).get_dbus_method(method, interface)(
        *arguments)


def press_shift(s):
    """A key pressed and released, as GNOME's remote input gives it."""
    session = call(s, DESKTOP, "/org/gnome/Mutter/RemoteDesktop", DESKTOP, "CreateSession")
    for method, *arguments in (("Start",), ("NotifyKeyboardKeysym", dbus.UInt32(0xffe1), True),
                               ("NotifyKeyboardKeysym", dbus.UInt32(0xffe1), False)):
        call(s, DESKTOP, session, DESKTOP + ".Session", method, *arguments)


class Desktops(unittest.TestCase):
    def run_in(self, s, action):
        s.launch("--in", "0.05", "--action", action, wait=False)

    def check_idle_run(self, s, give_input):
        """A run after 6 s without input, which input during it puts off: the Run File opens 6 s
        after the last input, not 6 s after arming."""
        opened, script = s.path("opened"), s.path("wake.sh")
        with open(script, "w", encoding="utf-8") as file:
            file.write(f"#!/bin/sh\ntouch '{opened}'\n")
        os.chmod(script, 0o755)
        s.store(WarnSeconds="2", BlackScreen="0")
        s.launch("--idle", "0.1", "--action", "runfile", "--run-file", script, wait=False)
        time.sleep(3)
        give_input()
        given = time.monotonic()
        self.assertTrue(wait_for(lambda: os.path.exists(opened), 15))
        self.assertGreater(time.monotonic() - given, 5.5)
        self.assertIsNone(s.program.poll())

    def test_gnome_locks_the_screen(self):
        with Session(shell="gnome") as s:
            self.assertFalse(call(s, *SAVER, "GetActive"))
            self.run_in(s, "lock")
            self.assertTrue(wait_for(lambda: call(s, *SAVER, "GetActive"), 15))
            self.assertIsNone(s.program.poll())

    def test_gnome_turns_the_screens_off_until_the_next_input(self):
        with Session(shell="gnome") as s:
            mode = lambda: call(s, CONFIG, "/org/gnome/Mutter/DisplayConfig",  # noqa: E731
                                dbus.PROPERTIES_IFACE, "Get", CONFIG, "PowerSaveMode")
            self.run_in(s, "screenoff")
            self.assertTrue(wait_for(lambda: mode() == 3, 15))
            press_shift(s)
            self.assertTrue(wait_for(lambda: mode() == 0, 10))
            self.assertIsNone(s.program.poll())

    def test_gnome_ends_a_run_after_the_time_without_input(self):
        with Session(shell="gnome") as s:
            self.check_idle_run(s, lambda: press_shift(s))

    def test_plasma_ends_a_run_after_the_time_without_input(self):
        with Session(shell="plasma") as s:
            self.check_idle_run(s, lambda: call(s, *FDO_SAVER, "SimulateUserActivity"))

    def test_plasma_locks_the_screen_shows_the_warning_and_holds_the_icon(self):
        with Session(shell="plasma") as s:
            monitor = s.spawn(["dbus-monitor", "--address", s.env["DBUS_SESSION_BUS_ADDRESS"],
                               "interface='org.freedesktop.Notifications',member='Notify'",
                               "type='method_return'"], stdout=subprocess.PIPE, text=True)
            lines = []
            threading.Thread(target=lambda: [lines.append(line) for line in monitor.stdout],
                             daemon=True).start()
            self.run_in(s, "lock")
            self.assertTrue(wait_for(lambda: call(s, *FDO_SAVER, "GetActive"), 15))
            # The warning went to plasmashell, which answered it (however late, under load).
            server = s.buses["session"].get_name_owner("org.freedesktop.Notifications")

            def answered():
                watched = "".join(lines)
                notify = re.search(r"method call .* serial=(\d+) .*member=Notify\n"
                                   r'(?:.*\n){3}\s+string "Somnivo - Ending soon"', watched)
                return notify and re.search(rf"method return .* sender={re.escape(server)} .*"
                                            rf"reply_serial={notify.group(1)}\n\s+uint32 [1-9]",
                                            watched)
            self.assertTrue(wait_for(answered, 10), "".join(lines)[-2000:])
            monitor.terminate()
            # The icon is with the real notification area.
            items = call(s, "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                         dbus.PROPERTIES_IFACE, "Get", "org.kde.StatusNotifierWatcher",
                         "RegisteredStatusNotifierItems")
            bus = dbus.Interface(s.buses["session"].get_object(
                "org.freedesktop.DBus", "/org/freedesktop/DBus"), "org.freedesktop.DBus")
            owners = [bus.GetConnectionUnixProcessID(item.split("/")[0]) for item in items]
            self.assertIn(s.program.pid, owners)
            self.assertIsNone(s.program.poll())


if __name__ == "__main__":
    unittest.main()
