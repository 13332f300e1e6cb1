"""What a screen reader finds in the program: the tree it reads over the accessibility bus, with
the program's windows open in turn, and the run going."""
import os
import unittest

from harness import RUN_FILE, Session, wait_for


ABOUT_TITLE = "About Somnivo - Auto Shutdown Timer"


class Accessibility(unittest.TestCase):
    def test_every_window_names_its_controls_as_they_are_seen(self):
        with Session(wm=True, session_bus=True, desktop=True, accessibility=True) as s:
            s.store(SetTime="25", ShutDown="8", BlackScreen="0", Dimin="0")
            s.launch()
            # The reader's side of the bus is this session's, never the machine's.
            os.environ.update(DBUS_SESSION_BUS_ADDRESS=s.env["DBUS_SESSION_BUS_ADDRESS"],
                              DISPLAY=s.env["DISPLAY"])
            import pyatspi

            def program():
                return next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Somnivo")

            def find(role, name, within=None, timeout=5):
                def look():
                    return pyatspi.findDescendant(
                        within or program(), lambda a: a.getRoleName() == role and a.name == name)
                return wait_for(look, timeout)

            def press(control, action="Press"):
                actions = control.queryAction()
                names = [actions.getName(i) for i in range(actions.nActions)]
                actions.doAction(next(i for i, n in enumerate(names) if n.lower() == action.lower()))

            def states(control):
                return set(control.getState().getStates())

            main = find("frame", "Somnivo - Auto Shutdown Timer ")
            self.assertTrue(main, "no main window")
            named = [("text", "Minutes from now on"), ("combo box", "Hour"),
                     ("combo box", "Minute"), ("scroll bar", "Volume"), ("radio button", "In"),
                     ("radio button", "Pause Only"), ("check box", "Diminuendo"),
                     ("radio button", "After"), ("text", "Minutes without input"),
                     ("radio button", "When the media playing now ends"),
                     ("radio button", "When a program exits"), ("combo box", "Program"),
                     ("push button", "Sleep Now!"), ("push button", "About"),
                     ("link", "example.org")]
            for role, name in named:
                control = find(role, name, main)
                self.assertTrue(control, f"no {role} named {name!r}")
                self.assertIn(pyatspi.STATE_FOCUSABLE, states(control), name)
            self.assertIn(pyatspi.STATE_CHECKED, states(find("radio button", "Pause Only", main)))

            # The line becomes a progress bar that says the time left.
            line = find("progress bar", "Time left", main)
            self.assertTrue(line, "the progress line is not a progress bar")
            self.assertEqual(line.queryValue().currentValue, 100)
            press(find("push button", "Sleep Now!", main))
            self.assertTrue(wait_for(lambda: line.description == "25 minutes left"),
                            line.description)
            self.assertGreater(line.queryValue().currentValue, 98)
            press(find("push button", "Stop", main))
            self.assertTrue(wait_for(lambda: line.description == ""))

            # About: its address is a link the keyboard reaches.
            press(find("push button", "About", main))
            about = find("dialog", ABOUT_TITLE)
            self.assertTrue(about, "no About window")
            link = find("link", "support@example.org", about)
            self.assertTrue(link and pyatspi.STATE_FOCUSABLE in states(link))
            press(find("push button", "OK", about))

            # Run File: the path and its button say what they are for.
            self.assertTrue(wait_for(lambda: not s.find_window(ABOUT_TITLE, timeout=0)))
            s.click(RUN_FILE)
            run_file = find("dialog", "Run File")
            self.assertTrue(run_file, "no Run File window")
            for role, name in [("text", "File to open"), ("push button", "Browse"),
                               ("push button", "OK"), ("push button", "Cancel")]:
                self.assertTrue(find(role, name, run_file), f"Run File has no {role} {name!r}")
            press(find("push button", "Cancel", run_file))

            # The warning is an alert, whose text is read as it appears.
            find("text", "Minutes from now on", main).queryEditableText().setTextContents("0.5")
            press(find("radio button", "Pause Only", main), "Toggle")
            press(find("push button", "Sleep Now!", main))
            warning = find("alert", "Somnivo - Ending soon")
            self.assertTrue(warning, "the warning is no alert")
            self.assertRegex(warning.description, r"^Playback will pause in 0:[23]\d\.$")
            press(find("push button", "Cancel", warning))
            self.assertTrue(find("push button", "Sleep Now!", main))


if __name__ == "__main__":
    unittest.main()
