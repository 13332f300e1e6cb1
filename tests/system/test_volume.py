"""The master volume is the user's: the real program against a private PulseAudio whose sink has
a balance. The end of a fading run gives back every channel exactly, as read when it began or as
the user set it meanwhile."""
import re
import unittest

from harness import SLEEP_NOW, Session, wait_for


def sink(s):
    """Each channel's raw volume (65536 = 100 %)."""
    return [int(raw) for raw in re.findall(r":\s*(\d+)\s*/",
                                           s.run("pactl", "get-sink-volume", "testsink"))]


class Volume(unittest.TestCase):
    def test_the_balance_and_the_level_stay_the_users(self):
        with Session(wm=True) as s:
            s.run("pactl", "set-sink-volume", "testsink", "39321", "19661")  # 60 % and 30 %
            s.store(SetTime="0.15", ShutDown="3", RunFile="/bin/true", Dimin="1",
                    BlackScreen="0", WarnSeconds="0")
            s.launch()
            s.click(SLEEP_NOW)
            # The slider takes the focus and gives it up again while the volume fades.
            s.xdotool("key", "shift+Tab")
            self.assertTrue(wait_for(lambda: sink(s)[0] < 39321 - 4000, 5))
            s.xdotool("key", "Tab")
            self.assertTrue(wait_for(lambda: sink(s) == [39321, 19661], 12))

            # Turned up by hand during the next run, between two fade steps: that level comes
            # back.
            s.click(SLEEP_NOW)
            faded = wait_for(lambda: sink(s)[0] < 39321 and sink(s), 5)
            s.xdotool("key", "shift+Tab", "Up")
            chosen = wait_for(lambda: sink(s)[0] > faded[0] and sink(s), 2)
            self.assertTrue(chosen)
            self.assertTrue(wait_for(lambda: sink(s)[0] < chosen[0], 5))
            self.assertTrue(wait_for(lambda: sink(s) == chosen, 12), (sink(s), chosen))


if __name__ == "__main__":
    unittest.main()
