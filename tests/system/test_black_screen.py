"""The black screen of a run, on a private X server with a window manager and a patterned root."""
import signal
import time
import unittest

from harness import SLEEP_NOW, Session, wait_for


class BlackScreen(unittest.TestCase):
    def test_black_from_the_first_frame_above_everything_until_a_key(self):
        with Session(wm=True, retro=True) as s:
            s.store(SetTime="5", ShutDown="3")
            s.launch()
            s.click(SLEEP_NOW)
            armed = time.monotonic()
            for showing in range(3):
                # The program is stopped the instant the window appears: whatever it would paint
                # later, the screen must be black at once.
                black = s.stop_at_map(1280)
                self.assertTrue(black, "no black screen")
                if showing == 0:
                    self.assertGreater(time.monotonic() - armed, 4.5)
                self.assertEqual(s.non_black_pixels(), 0)
                s.program.send_signal(signal.SIGCONT)
                self.assertEqual(s.geometry(black), (0, 0, 1280, 800))
                # Above every other window; any key or button ends it.
                window = [int(w) for w in s.xdotool("search", "--onlyvisible", "--pid",
                                                    s.program.pid).split()
                          if s.geometry(int(w))[2] == 1280][0]
                self.assertTrue(wait_for(lambda: s.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
                                         .rstrip().endswith(hex(window)), 2))
                s.xdotool(*(("click", 3) if showing == 1 else ("key", "shift")))
                self.assertTrue(wait_for(lambda: not s.viewable(black), 2))
            # "Stop" ends the run, and the black screen with it.
            s.click(SLEEP_NOW)
            self.assertIsNone(s.stop_at_map(1280, timeout=6))


if __name__ == "__main__":
    unittest.main()
