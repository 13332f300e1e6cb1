"""The command line of the real program: answers without a display, bad arguments refused
before anything is touched, and a run armed in the running copy by a second process."""
import os
import subprocess
import time
import unittest

from harness import Session, wait_for

BAD_ARGUMENTS = [  # the arguments, and a part of the one line that explains
    (["--frobnicate"], "unknown option '--frobnicate'"),
    (["--in", "abc"], "--in takes minutes as a number"),
    (["--in", "12345"], "at most 4 characters"),
    (["--at", "25:00"], "from 00:00 to 23:59"),
    (["--in", "5", "--at", "10:00"], "--in and --at cannot be used together"),
    (["--in", "5", "--run-file", "/bin/true"], "--run-file goes with --action runfile"),
]


class CommandLine(unittest.TestCase):
    def somnivo(self, s, *arguments):
        return subprocess.run([os.environ["SOMNIVO_PROGRAM"], *arguments], env=s.env,
                              capture_output=True, text=True, timeout=20)

    def test_help_and_version_need_no_display_and_store_nothing(self):
        with Session(display=False, sound=False) as s:
            version, helped = self.somnivo(s, "--version"), self.somnivo(s, "--help")
            self.assertEqual((version.returncode, version.stdout, version.stderr),
                             (0, "somnivo 3.0.0\n", ""))
            self.assertEqual((helped.returncode, helped.stderr), (0, ""))
            self.assertIn("--in MINUTES", helped.stdout)
            self.assertEqual(os.listdir(s.path("config")) + os.listdir(s.path("run")), [])

    def test_a_second_process_arms_the_running_copy_and_bad_arguments_touch_nothing(self):
        with Session(system_bus=True) as s:
            # No copy runs: this one starts with the request.
            s.launch("--in", "30", "--action", "reboot")
            self.assertTrue(wait_for(lambda: s.settings().get("ShutDown") == "2"))
            before = open(s.settings_file, "rb").read()
            for arguments, explanation in BAD_ARGUMENTS:
                result = self.somnivo(s, *arguments)
                self.assertEqual((result.returncode, result.stdout), (2, ""), arguments)
                self.assertRegex(result.stderr, "^somnivo: [^\n]*" + explanation + "[^\n]*\n$")
                self.assertEqual(open(s.settings_file, "rb").read(), before)
            sent = time.monotonic()
            result = self.somnivo(s, "--in", "0.05", "--action", "shutdown")
            self.assertEqual((result.returncode, result.stdout, result.stderr), (0, "", ""))
            self.assertTrue(wait_for(lambda: "PowerOff False" in s.records(), 8))
            self.assertGreater(time.monotonic() - sent, 2.9)
            self.assertNotIn("Reboot False", s.records())
            self.assertTrue(s.ended())

    def test_racing_starts_leave_one_copy_and_every_one_is_answered(self):
        with Session() as s:
            for _ in range(3):
                racers = [s.spawn([os.environ["SOMNIVO_PROGRAM"], "--in", "10", "--action",
                                   "logoff"], stderr=subprocess.PIPE, text=True)
                          for _ in range(6)]
                self.assertTrue(wait_for(lambda: sum(r.poll() is not None for r in racers) == 5,
                                         15))
                self.assertEqual([(r.poll(), r.stderr.read()) for r in racers
                                  if r.poll() is not None], [(0, "")] * 5)
                self.assertTrue(wait_for(lambda: [s.settings().get(key) for key in (
                    "SetTime", "ShutDown")] == ["10", "0"], 2))
                running = next(r for r in racers if r.poll() is None)
                running.terminate()
                self.assertEqual(running.wait(5), 0)


if __name__ == "__main__":
    unittest.main()
