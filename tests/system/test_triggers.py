"""Runs that wait for an event, through the real program started with its command line: the end
of what a real media player plays (mpv with its MPRIS plug-in, on the private sound server), time
without input on X11 (the X server's idle counter; real keys through XTEST), a real process's
exit. Each with an end of another kind: one the program stays after, an exit request, Run File."""
import json
import math
import os
import socket
import struct
import subprocess
import time
import unittest
import wave

from harness import Session, wait_for


def write_tone(path, seconds):
    with wave.open(path, "wb") as sound:
        sound.setnchannels(1)
        sound.setsampwidth(2)
        sound.setframerate(8000)
        sound.writeframes(b"".join(struct.pack("<h", int(3000 * math.sin(i / 4)))
                                   for i in range(int(seconds * 8000))))


def mpv(sock, *command):
    with socket.socket(socket.AF_UNIX) as ipc:
        ipc.connect(sock)
        ipc.sendall(json.dumps({"command": list(command)}).encode() + b"\n")
        return json.loads(ipc.makefile().readline()).get("data")


def sink(s):
    return int(s.run("pactl", "get-sink-volume", "testsink").split("/")[0].split(":")[-1])


class Triggers(unittest.TestCase):
    def test_the_end_of_the_media_pauses_the_next_item_at_once(self):
        with Session(session_bus=True) as s:
            files = [s.path(name) for name in ("one.wav", "two.wav")]
            write_tone(files[0], 8)
            write_tone(files[1], 8)
            ipc = s.path("mpv.sock")
            s.spawn(["mpv", "--no-config", "--script=/etc/mpv/scripts/mpris.so", "--no-video",
                     "--ao=pulse", "--input-ipc-server=" + ipc] + files,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.assertTrue(wait_for(lambda: s.buses["session"].name_has_owner(
                "org.mpris.MediaPlayer2.mpv") and os.path.exists(ipc)))
            s.run("pactl", "set-sink-volume", "testsink", "39321")
            s.store(ShutDown="8", Dimin="1", BlackScreen="0", WarnSeconds="3")
            s.launch("--media-end")
            self.assertTrue(wait_for(lambda: sink(s) < 39321 - 2000, 8), "no fade")
            self.assertTrue(wait_for(lambda: mpv(ipc, "get_property", "playlist-pos") == 1, 12))
            self.assertTrue(wait_for(lambda: mpv(ipc, "get_property", "pause"), 3))
            # No position yet: the next item had not even started.
            self.assertLess(mpv(ipc, "get_property", "time-pos") or 0, 1.5)
            self.assertTrue(wait_for(lambda: sink(s) == 39321, 8), sink(s))
            self.assertIsNone(s.program.poll())

    def test_input_starts_the_count_again_and_then_the_computer_shuts_down(self):
        with Session(wm=True, system_bus=True) as s:
            s.store(ShutDown="1", BlackScreen="0", WarnSeconds="4")
            s.launch("--idle", "0.2")
            self.assertTrue(s.find_window("Somnivo - Ending soon", 15), "no warning")
            s.xdotool("mousemove", "10", "10")
            self.assertTrue(wait_for(lambda: not s.find_window("Somnivo - Ending soon", 0), 4))
            back = time.monotonic()
            self.assertTrue(wait_for(lambda: "PowerOff False" in s.records(), 20))
            self.assertGreater(time.monotonic() - back, 11)
            self.assertTrue(s.ended())

    def test_a_process_that_exits_opens_the_run_file(self):
        with Session() as s:
            marker, script = s.path("opened"), s.path("wake.sh")
            with open(script, "w", encoding="utf-8") as file:
                file.write(f"#!/bin/sh\ntouch '{marker}'\n")
            os.chmod(script, 0o755)
            worker = s.spawn(["sleep", "3"])
            s.store(BlackScreen="0", WarnSeconds="2")
            s.launch("--after-exit", str(worker.pid), "--action", "runfile", "--run-file", script)
            worker.wait()
            exited = time.monotonic()
            self.assertTrue(wait_for(lambda: os.path.exists(marker), 8))
            self.assertGreater(time.monotonic() - exited, 1.5)
            self.assertIsNone(s.program.poll())


if __name__ == "__main__":
    unittest.main()
