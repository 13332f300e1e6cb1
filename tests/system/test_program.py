"""The real program started as a user starts it, checked from outside."""
import os
import unittest

from harness import Session, wait_for


class Program(unittest.TestCase):
    def test_a_second_copy_changes_nothing_and_shows_the_first(self):
        with Session(wm=True) as s:
            s.launch()
            s.xdotool("windowminimize", s.window)
            self.assertTrue(wait_for(lambda: not s.viewable(s.window)))
            modified = os.stat(s.settings_file).st_mtime_ns
            second = s.spawn([s.program.args[0]])
            self.assertEqual(second.wait(1), 0)
            self.assertEqual(os.stat(s.settings_file).st_mtime_ns, modified)
            self.assertTrue(wait_for(lambda: s.viewable(s.window), 3))
            self.assertIsNone(s.program.poll())


if __name__ == "__main__":
    unittest.main()
