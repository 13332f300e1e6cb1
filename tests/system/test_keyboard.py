"""A whole run with the keyboard only, on a private X server with a window manager."""
import unittest

from harness import MAIN_TITLE, Session, wait_for

WARNING = "Somnivo - Ending soon"


class Keyboard(unittest.TestCase):
    def test_a_run_set_armed_warned_and_stopped_without_the_mouse(self):
        with Session(wm=True, session_bus=True, desktop=True) as s:
            s.store(SetTime="5", ShutDown="1", Dimin="0", BlackScreen="0")
            s.launch()

            def keys(*names):
                s.xdotool("key", "--delay", "50", *names)

            def stored(**expected):
                return wait_for(lambda: all(s.settings().get(k) == v for k, v in expected.items()),
                                3)

            def active(title):
                """Whether that window shows and has the keyboard, as a key needs it to."""
                def check():
                    window = s.find_window(title, timeout=0)
                    return window and s.xdotool("getactivewindow").strip() == str(window)
                return wait_for(check, 5)

            def warning_shown(shown=True):
                if shown:
                    return active(WARNING)
                return wait_for(lambda: not s.find_window(WARNING, timeout=0), 5) and active(
                    MAIN_TITLE)

            # From "Sleep Now!", which has the focus, the tab order comes round to the minutes.
            keys("Tab", "Tab", "Tab", "Tab")
            s.xdotool("type", "0.1")
            self.assertTrue(stored(SetTime="0.1"), s.settings())
            # Access keys: a clock time and back, an action that opens its dialog, an option.
            keys("alt+a")
            self.assertTrue(stored(Schedule="1"), s.settings())
            keys("alt+i")
            self.assertTrue(stored(Schedule="0"), s.settings())
            # The other kinds of run, each by its access key; the minutes without input typed.
            keys("alt+e")
            self.assertTrue(stored(Schedule="2"), s.settings())
            keys("Tab")
            s.xdotool("type", "45")
            self.assertTrue(stored(Schedule="2", IdleMinutes="45"), s.settings())
            for key, kind in (("alt+g", "3"), ("alt+x", "4"), ("alt+i", "0")):
                keys(key)
                self.assertTrue(stored(Schedule=kind), s.settings())
            keys("alt+f")
            self.assertTrue(active("Run File"), "Run File did not open")
            keys("alt+c")  # Escape does not close it: only its buttons do
            self.assertTrue(active(MAIN_TITLE))
            # Arrows choose and store each of the nine actions in turn, Run File too, without
            # opening its window; Space on Run File opens it.
            keys("alt+l")
            chosen = [wait_for(lambda: s.settings().get("ShutDown") == "0" and "0", 3)]
            for key in ("Right", "Right", "Right", "Down", "Left", "Left", "Down", "Right"):
                keys(key)
                chosen.append(wait_for(lambda: s.settings().get("ShutDown") not in chosen and
                                       s.settings().get("ShutDown"), 3))
            self.assertEqual(sorted(chosen), list("012345678"))
            self.assertIsNone(s.find_window("Run File", timeout=0))
            keys("alt+l")
            self.assertTrue(stored(ShutDown="0"))
            keys("Right", "Right", "Right")
            self.assertTrue(stored(ShutDown="3"))
            keys("space")
            self.assertTrue(active("Run File"), "Space did not open Run File")
            keys("alt+c")
            self.assertTrue(active(MAIN_TITLE))
            keys("alt+p", "alt+d")
            self.assertTrue(stored(ShutDown="8", Dimin="1"), s.settings())

            # Armed, warned, cancelled: a second Alt+S arms again rather than stopping.
            keys("alt+s")
            self.assertTrue(warning_shown(), "no warning")
            keys("Escape")
            self.assertTrue(warning_shown(False))
            keys("alt+s")
            self.assertTrue(warning_shown(), "the cancel did not stop the run")
            # Ten minutes more by Enter on "+10 min", then stopped from the main window.
            keys("Tab", "Return")
            self.assertTrue(warning_shown(False))
            keys("alt+s")
            keys("alt+s")
            self.assertTrue(warning_shown(), "Stop did not stop the run")
            # Each showing opens on "Cancel", whichever button had the focus before.
            keys("Return")
            self.assertTrue(warning_shown(False))
            keys("alt+s")
            self.assertTrue(warning_shown(), "Enter did not cancel the run")
            keys("Escape")
            self.assertTrue(warning_shown(False))
            self.assertNotIn("Pause", " ".join(s.records()))


if __name__ == "__main__":
    unittest.main()
