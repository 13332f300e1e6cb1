"""The program on a Wayland desktop (weston's headless back end), natively and through Xwayland."""
import datetime
import signal
import unittest

from harness import Session, wait_for


class Wayland(unittest.TestCase):
    def test_the_window_shows_and_a_close_keeps_the_stored_position(self):
        for kind in ("native", "xwayland"):
            with self.subTest(kind), Session(wayland=kind) as s:
                # Every option stored as start-up would store it: nothing to write at start.
                s.store(PosX="3000", PosY="1995", SetTime="5", ShutDown="1", BlackScreen="1",
                        Dimin="1", IdleMinutes="30")
                with open(s.settings_file, "rb") as file:
                    before = file.read()
                s.launch(wait=False)
                self.assertTrue(wait_for(
                    lambda: "top-level window 'Somnivo - Auto Shutdow" in s.scene()))
                s.program.send_signal(signal.SIGTERM)
                self.assertTrue(s.ended())
                with open(s.settings_file, "rb") as file:
                    self.assertEqual(file.read(), before)

    def test_a_run_goes_black_over_the_whole_output_panel_included(self):
        for kind in ("native", "xwayland"):
            with self.subTest(kind), Session(wayland=kind) as s:
                # A daily clock time five minutes on is armed at start-up.
                soon = datetime.datetime.now() + datetime.timedelta(minutes=5)
                s.store(Schedule="1", RunDaily="1", SHour=soon.hour, SMinute=soon.minute,
                        ShutDown="3", BlackScreen="1")
                s.launch(wait=False)
                self.assertTrue(wait_for(lambda: s.wayland_non_black_pixels() == 0, 15, 0.5))


if __name__ == "__main__":
    unittest.main()
