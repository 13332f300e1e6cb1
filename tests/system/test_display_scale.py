"""The main window at 200 %: on X11 through Qt's scale factor, on Wayland on a compositor that
scales its output. A caption must be drawn at the scaled size, not at the 100 % size spread
over the scaled advances."""
import re
import subprocess
import unittest

from harness import Session, wait_for

CAPTION = (95, 26, 107, 12)  # "minutes from now on", in the window at 100 %


def ink(image, inside, scale):
    """Width and height of the caption's dark pixels; inside: where the window's inside begins."""
    x, y, width, height = (round(value * scale) for value in CAPTION)
    return tuple(map(int, re.match(r"(\d+)x(\d+)", subprocess.run(
        ["convert", image, "-crop", f"{width}x{height}+{inside[0] + x}+{inside[1] + y}",
         "-colorspace", "gray", "-threshold", "50%", "-format", "%@", "info:"],
        capture_output=True, text=True, check=True).stdout).groups()))


class DisplayScale(unittest.TestCase):
    def test_captions_are_drawn_twice_as_large_at_200_percent(self):
        inks = []
        for scale in (1, 2):
            with Session() as s:
                s.env["QT_SCALE_FACTOR"] = str(scale)
                s.launch()
                x, y, width, height = s.geometry(s.window)
                self.assertEqual((width, height), (336 * scale, 191 * scale))
                s.run("import", "-window", "root", s.path("shot.png"))
                inks.append(ink(s.path("shot.png"), (x, y), scale))
        with Session(wayland="native", scale=2) as s:
            s.launch(wait=False)
            # The window's opaque part is its inside, in the output's coordinates at 100 %.
            found = wait_for(lambda: re.search(r"window 'Somnivo.*\n.*\n\s+\[opaque: \((\d+), "
                                               r"(\d+)\)", s.scene()))
            inside = (2 * int(found.group(1)), 2 * int(found.group(2)))
            inks.append(wait_for(lambda: ink(s.wayland_screenshot(), inside, 2)[1] > 1 and
                                 ink(s.wayland_screenshot(), inside, 2)))
        for scaled in inks[1:]:
            self.assertTrue(all(1.8 <= a / b <= 2.2 for a, b in zip(scaled, inks[0])), inks)


if __name__ == "__main__":
    unittest.main()
