"""The real program's life under openbox, with a notification area on a private session bus:
minimising, restoring, closing, and coming back where it was."""
import signal
import unittest

import dbus

from harness import ABOUT, Session, wait_for

ITEM = "org.kde.StatusNotifierItem"


class WindowLife(unittest.TestCase):
    def item(self, s):
        """The program's icon, as the notification area knows it (by the bus name it gave)."""
        registered = [line.split('"')[1] for line in s.records()
                      if line.startswith("RegisterStatusNotifierItem")]
        return s.buses["session"].get_object(registered[-1], "/StatusNotifierItem")

    def test_the_icon_brings_the_minimised_window_back(self):
        with Session(wm=True, session_bus=True, desktop=True) as s:
            s.launch()
            self.assertTrue(wait_for(lambda: "RegisterStatusNotifierItem" in str(s.records())))
            tip = self.item(s).Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE)
            self.assertEqual(tip[2], "Somnivo - Auto Shutdown Timer")
            for click, shows in (("Activate", True), ("ContextMenu", True),
                                 ("SecondaryActivate", False)):
                s.xdotool("windowminimize", s.window)
                # Hidden (withdrawn), not merely minimised.
                self.assertTrue(wait_for(lambda: not s.viewable(s.window) and "Iconic" not in
                                         s.run("xprop", "-id", str(s.window), "WM_STATE")))
                self.item(s).get_dbus_method(click, ITEM)(10, 10)
                self.assertEqual(bool(wait_for(lambda: s.viewable(s.window), 1)), shows)
            self.item(s).get_dbus_method("Activate", ITEM)(10, 10)
            self.assertTrue(wait_for(lambda: s.viewable(s.window)))
            s.xdotool("windowactivate", "--sync", s.window, "key", "--clearmodifiers", "alt+F4")
            self.assertTrue(s.ended())

    def test_the_window_comes_back_where_it_was_closed_however_it_ends(self):
        with Session(wm=True) as s:
            s.launch()
            x, y, width, height = s.geometry(s.window)  # centred without a stored position
            self.assertLessEqual(abs(x + width // 2 - 640), 10)
            self.assertLessEqual(abs(y + height // 2 - 400), 20)
            s.xdotool("windowmove", s.window, 203, 151)
            self.assertTrue(wait_for(lambda: s.geometry(s.window)[:2] != (x, y)))
            moved = s.geometry(s.window)
            s.xdotool("windowactivate", "--sync", s.window, "key", "--clearmodifiers", "alt+F4")
            self.assertTrue(s.ended())
            s.launch()
            self.assertEqual(s.geometry(s.window), moved)
            # Ended by a signal while the About window is open.
            s.click(ABOUT)
            self.assertTrue(s.find_window("About Somnivo - Auto Shutdown Timer"))
            s.xdotool("windowmove", s.window, 300, 200)
            self.assertTrue(wait_for(lambda: s.geometry(s.window) != moved))
            moved = s.geometry(s.window)
            s.program.send_signal(signal.SIGTERM)
            self.assertTrue(s.ended())
            s.launch()
            self.assertEqual(s.geometry(s.window), moved)


if __name__ == "__main__":
    unittest.main()
