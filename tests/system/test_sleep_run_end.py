"""A whole run of the real program, pressed with real input, ending through a fake logind on a
private system bus, with a playing media player and a notification server on a private session
bus (the harness gives the program no other buses)."""
import time
import unittest

from harness import SLEEP_NOW, Session, wait_for


class SleepRunEnd(unittest.TestCase):
    def run_for_three_seconds(self, s, *fake_mode):
        s.set_fakes(*fake_mode)
        s.store(SetTime="0.05", ShutDown="1")
        s.launch()
        s.click(SLEEP_NOW)
        return time.monotonic()

    def test_with_nobody_there_the_player_pauses_and_the_computer_powers_off_at_the_end(self):
        with Session(system_bus=True, session_bus=True, desktop=True) as s:
            pressed = self.run_for_three_seconds(s)
            self.assertTrue(wait_for(lambda: "PowerOff false" in s.records(), 8))
            self.assertTrue(2.9 <= time.monotonic() - pressed <= 6)
            self.assertTrue(s.ended())
            self.assertGreater(int(s.settings()["PosX"]), 0)
            # Warned (a run shorter than the warning is warned at once), paused, powered off.
            notify = next(line for line in s.records() if line.startswith("Notify"))
            self.assertRegex(notify, r"^Notify Somnivo - Ending soon \| The computer will shut "
                                     r"down in 0:0\d\. \| cancel,Cancel,more,\+10 min$")
            self.assertLess(s.records().index("Pause"), s.records().index("PowerOff false"))

    def test_cancel_on_the_notification_disarms_the_run(self):
        with Session(system_bus=True, session_bus=True, desktop=True) as s:
            self.run_for_three_seconds(s, "press-cancel")
            self.assertTrue(wait_for(lambda: "CloseNotification 7" in s.records(), 5))
            time.sleep(5)
            self.assertNotIn("PowerOff false", s.records())
            self.assertIsNone(s.program.poll())

    def test_a_power_off_that_will_be_refused_is_told_at_arming_and_the_run_goes_on(self):
        with Session(system_bus=True) as s:
            self.run_for_three_seconds(s, "cannot", "inhibited")
            self.assertTrue(s.find_window("Somnivo", 2))
            self.assertTrue(wait_for(lambda: "PowerOff false" in s.records(), 8))


if __name__ == "__main__":
    unittest.main()
