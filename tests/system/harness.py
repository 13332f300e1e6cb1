"""The tests' side of the private session (scripts/lib/private_session.py): what the stand-ins
were asked, how the program ended, and what the screen shows."""

import ctypes
import glob
import os
import select
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "lib"))
import private_session  # noqa: E402
from private_session import (ABOUT, LOGIN1, MAIN_TITLE, MANAGER,  # noqa: E402,F401
                             RUN_FILE, SLEEP_NOW, wait_for)

X11 = ctypes.CDLL("libX11.so.6")
X11.XOpenDisplay.restype = ctypes.c_void_p
X11.XDefaultRootWindow.restype = ctypes.c_ulong
X11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]


class Session(private_session.Session):
    def records(self):
        """The calls the stand-ins logged, in the order they came, as 'PowerOff False'."""
        lines = []
        for log in glob.glob(self.path("calls-*")):
            with open(log, encoding="utf-8") as file:
                lines += [line.split(" ", 1) for line in file.read().splitlines()]
        return [call for _, call in sorted(lines, key=lambda line: float(line[0]))]

    def wayland_non_black_pixels(self):
        """How many pixels of weston's whole output are not black (weston-screenshooter)."""
        for old in [f for f in os.listdir(self.dir) if f.startswith("wayland-screenshot")]:
            os.remove(self.path(old))
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.dir, check=True,
                       capture_output=True, timeout=20)
        return self.non_black_pixels(
            self.path([f for f in os.listdir(self.dir) if f.startswith("wayland-screenshot")][0]))

    def ended(self, timeout=5):
        """True once the program has ended by itself with status 0."""
        try:
            return self.program.wait(timeout) == 0
        except subprocess.TimeoutExpired:
            return False

    def viewable(self, window):
        return "IsViewable" in self.run("xwininfo", "-id", str(window))

    def non_black_pixels(self, image=None):
        """How many pixels of an image, or of the screen grabbed at once (xwd, ~40 ms), are not
        black."""
        if image is None:
            self.run("sh", "-c", f"xwd -root -silent > '{self.path('shot.xwd')}'")
            image = "xwd:" + self.path("shot.xwd")
        return round(float(self.run("convert", image, "-fill", "white", "+opaque", "black",
                                    "-format", "%[fx:mean*w*h]", "info:")))

    def stop_at_map(self, width, timeout=15):
        """Stops the program the instant the X server maps a window this wide, before the program
        can paint it; the window's id, or None. SIGCONT lets it go on."""
        display = ctypes.c_void_p(X11.XOpenDisplay(self.env["DISPLAY"].encode()))
        try:
            X11.XSelectInput(display, X11.XDefaultRootWindow(display), 1 << 19)  # substructure
            X11.XSync(display, 0)
            event, size = (ctypes.c_long * 24)(), [ctypes.c_uint() for _ in range(4)]
            deadline = time.monotonic() + timeout
            while time.monotonic() < deadline:
                select.select([X11.XConnectionNumber(display)], [], [], 0.1)
                while X11.XPending(display):
                    X11.XNextEvent(display, event)
                    if event[0] != 19:  # MapNotify: type, serial, send_event, display, event, window
                        continue
                    X11.XGetGeometry(display, ctypes.c_ulong(event[5]), *map(ctypes.byref, [
                        ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()] + size))
                    if size[0].value == width:
                        self.program.send_signal(signal.SIGSTOP)
                        return event[5]
            return None
        finally:
            X11.XCloseDisplay(display)
