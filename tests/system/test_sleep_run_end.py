"""Whole runs of the real program, pressed with real input, ending through logind on a private
system bus, with a playing media player and a notification server on a private session bus (the
harness gives the program no other buses). logind answers as it does for a program that the
desktop started in an app scope, and the program has no XDG_SESSION_ID."""
import os
import signal
import time
import unittest

import dbus

from harness import LOGIN1, MANAGER, SLEEP_NOW, Session, wait_for

NOTIFICATIONS = "org.freedesktop.Notifications"
NOTIFY = (r'^Notify "Somnivo" {} "org\.example\.Somnivo" "Somnivo - Ending soon" "{}" '
          r'\["cancel", "Cancel", "more", "\+10 min"\] '
          r'\{{"desktop-entry": "org\.example\.Somnivo", "urgency": 2\}} 0$')


class SleepRunEnd(unittest.TestCase):
    def run_for(self, s, minutes, action):
        s.store(SetTime=minutes, ShutDown=action)
        s.launch()
        s.click(SLEEP_NOW)
        return time.monotonic()

    def test_with_nobody_there_the_player_pauses_and_the_session_or_the_computer_ends(self):
        for action, ending in (("1", "PowerOff False"), ("0", 'TerminateSession "c2"')):
            with self.subTest(ending), Session(system_bus=True, session_bus=True,
                                               desktop=True) as s:
                pressed = self.run_for(s, "0.05", action)
                self.assertTrue(wait_for(lambda: ending in s.records(), 8))
                self.assertTrue(2.9 <= time.monotonic() - pressed <= 6)
                self.assertTrue(s.ended())
                self.assertGreater(int(s.settings()["PosX"]), 0)
                # Warned (a run shorter than the warning is warned at once), paused, ended.
                notify = next(line for line in s.records() if line.startswith("Notify"))
                self.assertRegex(notify, NOTIFY.format(0, r"The (computer will shut down|"
                                                          r"session will end) in 0:0\d\."))
                self.assertLess(s.records().index("Pause"), s.records().index(ending))

    def test_each_end_the_program_stays_after_reaches_its_service_after_the_pause(self):
        display_config = "org.gnome.Mutter.DisplayConfig"
        for action, desktop, asked in (
                ("4", True, ["Suspend False"]),
                ("6", "kde", ["Lock"]),  # the freedesktop locker
                ("6", True, ["Lock", "Get /org/freedesktop/login1/session/c2 "
                                     "org.freedesktop.login1.Session.LockedHint"]),
                ("7", "gnome", ["Set /org/gnome/Mutter/DisplayConfig "
                                f"{display_config}.PowerSaveMode 3", "AddUserActiveWatch"])):
            with self.subTest(action=action, desktop=desktop), Session(
                    system_bus=True, session_bus=True, desktop=desktop) as s:
                self.run_for(s, "0.05", action)
                self.assertTrue(wait_for(lambda: set(asked + ["Pause"]) <= set(s.records()), 10))
                self.assertEqual(s.records().index("Pause"),
                                 min(s.records().index(call) for call in asked + ["Pause"]))
                self.assertIsNone(s.program.poll())
                if "LockedHint" in str(asked):  # no locker answered logind: told, not pretended
                    self.assertTrue(s.find_window("Somnivo", 5))

    def test_the_notification_counts_down_in_place_and_its_cancel_disarms_the_run(self):
        with Session(system_bus=True, session_bus=True, desktop=True) as s:
            pressed = self.run_for(s, "0.25", "1")
            notified = lambda: [line for line in s.records() if line.startswith("Notify")]
            self.assertTrue(wait_for(lambda: len(notified()) == 2, 12))
            self.assertRegex(notified()[0], NOTIFY.format(0, r"The computer will shut down in "
                                                             r"0:1[45]\."))
            self.assertRegex(notified()[1], NOTIFY.format(1, r"The computer will shut down in "
                                                             r"0:0[45]\."))
            s.mock("session", NOTIFICATIONS, "/org/freedesktop/Notifications").EmitSignal(
                NOTIFICATIONS, "ActionInvoked", "us", [dbus.UInt32(1), "cancel"])
            self.assertTrue(wait_for(lambda: "CloseNotification 1" in s.records(), 4))
            time.sleep(max(0, pressed + 17 - time.monotonic()))
            self.assertNotIn("PowerOff False", s.records())
            self.assertIsNone(s.program.poll())

    def test_the_window_answers_while_the_system_bus_or_logind_is_slow(self):
        with Session(wm=True, system_bus=True) as s:
            s.mock("system", LOGIN1, "/org/freedesktop/login1").AddMethod(
                MANAGER, "PowerOff", "b", "", "import time; time.sleep(4)")
            s.store(SetTime="0.05", ShutDown="1", Schedule="1", WarnSeconds="0")
            # Started while the system bus does not answer: the check it asks for waits, the
            # window does not.
            bus = next(p for p in s.processes if "system-bus" in " ".join(p.args))
            bus.send_signal(signal.SIGSTOP)
            s.launch()
            time.sleep(0.5)
            s.xdotool("key", "alt+i")
            self.assertTrue(wait_for(lambda: s.settings().get("Schedule") == "0", 2))
            bus.send_signal(signal.SIGCONT)
            s.click(SLEEP_NOW)
            self.assertTrue(wait_for(lambda: "PowerOff False" in s.records(), 8))
            asked = time.monotonic()
            s.xdotool("key", "alt+a")
            self.assertTrue(wait_for(lambda: s.settings().get("Schedule") == "1", 2))
            self.assertLess(time.monotonic() - asked, 2)
            self.assertTrue(s.ended(8))
            self.assertGreater(time.monotonic() - asked, 3.5)

    def test_a_power_off_that_will_be_refused_is_told_at_arming_and_the_run_goes_on(self):
        with Session(system_bus=True) as s:
            logind = s.mock("system", LOGIN1, "/org/freedesktop/login1")
            logind.AddMethod(MANAGER, "CanPowerOff", "", "s", 'ret = "no"')
            inhibitor = dbus.Interface(s.buses["system"].get_object(
                LOGIN1, "/org/freedesktop/login1"), MANAGER).Inhibit(
                    "shutdown", "a video player", "Playing", "block")
            self.run_for(s, "0.05", "1")
            message = s.find_window("Somnivo", 2)
            self.assertTrue(message)
            self.assertTrue(wait_for(lambda: "PowerOff False" in s.records(), 8))
            os.close(inhibitor.take())


if __name__ == "__main__":
    unittest.main()
