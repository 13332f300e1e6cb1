"""The ends a desktop carries out, against the real desktops rather than stand-ins: GNOME Shell and
KDE Plasma, headless, each in a session of its own. The program is started with its command line,
as it would be from a terminal on those desktops."""
import os
import queue
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

    def check_idle(self, s, way, give_input):
        """The time without input as tests/system/idle_probe hears it: the way, idle, active at
        input and idle a second later; then input while stopped, not heard, and idle a second
        after it once followed again."""
        probe = s.spawn([os.environ["SOMNIVO_IDLE_PROBE"]], stdin=subprocess.PIPE,
                        stdout=subprocess.PIPE, text=True)
        lines = queue.Queue()
        reader = threading.Thread(target=lambda: [lines.put(line.split()) for line in probe.stdout])
        reader.start()

        def expect(what):  # the next line's number and time in seconds: "idle 1000 at 5230"
            line = lines.get(timeout=10)
            self.assertEqual(line[0], what, line)
            return int(line[1]) if line[1] != "at" else None, int(line[-1]) / 1000

        def tell(command):
            probe.stdin.write(command + "\n")
            probe.stdin.flush()
            expect(command)

        self.assertEqual(expect("way")[0], way)
        expect("idle")  # idle already, or a second after following
        for stopped in (False, True):
            sent = time.monotonic()
            give_input()
            if stopped:  # not heard; idle a second after the input once followed again
                tell("follow")
            else:
                self.assertLess(expect("active")[1] - sent, 0.5)
            for_ms, at = expect("idle")
            self.assertEqual(for_ms, 1000)
            self.assertTrue(0.9 <= at - sent <= 1.5, at - sent)
            tell("stop")
        probe.stdin.close()  # and it ends
        reader.join(10)
        probe.stdout.close()

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

    def test_gnome_tells_the_time_without_input(self):
        with Session(shell="gnome") as s:
            self.check_idle(s, 1, lambda: press_shift(s))  # counts input only

    def test_plasma_tells_the_time_without_input(self):
        with Session(shell="plasma") as s:
            self.check_idle(s, 2, lambda: call(s, *FDO_SAVER, "SimulateUserActivity"))

    def test_plasma_locks_the_screen_shows_the_warning_and_holds_the_icon(self):
        with Session(shell="plasma") as s:
            monitor = s.spawn(["dbus-monitor", "--address", s.env["DBUS_SESSION_BUS_ADDRESS"],
                               "interface='org.freedesktop.Notifications',member='Notify'",
                               "type='method_return'"], stdout=subprocess.PIPE, text=True)
            self.run_in(s, "lock")
            self.assertTrue(wait_for(lambda: call(s, *FDO_SAVER, "GetActive"), 15))
            # The warning went to plasmashell, which answered it.
            monitor.terminate()
            watched = monitor.communicate(timeout=10)[0]
            notify = re.search(r"method call .* serial=(\d+) .*member=Notify\n"
                               r'(?:.*\n){3}\s+string "Somnivo - Ending soon"', watched)
            self.assertTrue(notify, watched[-2000:])
            server = s.buses["session"].get_name_owner("org.freedesktop.Notifications")
            self.assertRegex(watched, rf"method return .* sender={re.escape(server)} .*"
                                      rf"reply_serial={notify.group(1)}\n\s+uint32 [1-9]")
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
