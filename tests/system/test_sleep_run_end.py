"""A whole run of the real program, pressed with real input, ending through a fake logind on a
private system bus (the harness gives the program no other)."""
import time
import unittest

from harness import SLEEP_NOW, Session, wait_for


class SleepRunEnd(unittest.TestCase):
    def test_the_end_asks_logind_to_power_off_and_the_program_ends(self):
        with Session(system_bus=True) as s:
            s.store(SetTime="0.05", ShutDown="1")
            s.launch()
            s.click(SLEEP_NOW)
            pressed = time.monotonic()
            self.assertTrue(wait_for(lambda: "PowerOff false" in s.records("calls"), 8))
            self.assertTrue(2.9 <= time.monotonic() - pressed <= 6)
            self.assertTrue(s.ended())
            self.assertGreater(int(s.settings()["PosX"]), 0)


if __name__ == "__main__":
    unittest.main()
