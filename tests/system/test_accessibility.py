"""What a screen reader finds in the program: the tree it reads over the accessibility bus, with
the program's windows open in turn and the run going, and the events it is sent (what a screen
reader speaks is what this bus carries)."""
import os
import re
import unittest

from harness import RUN_FILE, Session, wait_for


ABOUT_TITLE = "About Somnivo - Auto Shutdown Timer"


class Accessibility(unittest.TestCase):
    def test_every_window_names_its_controls_as_they_are_seen(self):
        with Session(wm=True, session_bus=True, desktop=True, accessibility=True) as s:
            s.store(SetTime="25", ShutDown="8", BlackScreen="0", Dimin="1")
            s.launch()
            # The reader's side of the bus is this session's, never the machine's.
            os.environ.update(DBUS_SESSION_BUS_ADDRESS=s.env["DBUS_SESSION_BUS_ADDRESS"],
                              DISPLAY=s.env["DISPLAY"])
            import pyatspi
            from gi.repository import GLib

            heard = []
            pyatspi.Registry.registerEventListener(  # with what each event carries itself
                lambda e: heard.append((e.type, e.source.name, e.any_data)),
                "object:state-changed:focused", "object:property-change:accessible-description",
                "object:property-change:accessible-value")

            def hear(predicate, timeout=5):
                """Whether events come that make it true, taking them as they arrive."""
                def pumped():
                    while GLib.MainContext.default().iteration(False):
                        pass
                    return predicate()
                return wait_for(pumped, timeout)

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
                     ("combo box", "Minute"), ("slider", "Volume"), ("radio button", "In"),
                     ("radio button", "Pause playback"), ("radio button", "Turn the screens off"),
                     ("check box", "Diminuendo"),
                     ("radio button", "After"), ("text", "Minutes without input"),
                     ("radio button", "When the media playing now ends"),
                     ("radio button", "When a program exits"), ("combo box", "Program"),
                     ("push button", "Sleep Now!"), ("push button", "About"),
                     ("link", "example.org")]
            for role, name in named:
                control = find(role, name, main)
                self.assertTrue(control, f"no {role} named {name!r}")
                self.assertIn(pyatspi.STATE_FOCUSABLE, states(control), name)
            # The minutes are one run of text: a reader that splits by runs keeps every character.
            minutes = find("text", "Minutes from now on", main).queryText()
            self.assertEqual(tuple(minutes.getAttributeRun(0, False))[1:], (0, 2))

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

            # Armed by its access key, the button has the focus and says the plan in words; with
            # the focus on the slider the fade's steps are not told, the user's own step is; when
            # stopped, the button says so.
            s.xdotool("key", "alt+s")
            self.assertTrue(hear(lambda: any(
                name == "Stop" and re.fullmatch(r"Pause playback at \d\d:\d\d, in 25 minutes",
                                                str(text)) for _, name, text in heard)), heard)
            self.assertIn(pyatspi.STATE_FOCUSED, states(find("push button", "Stop", main)))
            s.xdotool("key", "shift+Tab")
            self.assertTrue(hear(lambda: heard and heard[-1][1] == "Volume"), heard)
            del heard[:]
            hear(lambda: False, 4.5)  # two fade steps
            s.xdotool("key", "Up")
            self.assertTrue(hear(lambda: any(name == "Volume" for _, name, _ in heard)), heard)
            self.assertEqual([name for _, name, _ in heard if name == "Volume"], ["Volume"])
            volume = find("slider", "Volume", main).queryValue()
            self.assertEqual((volume.minimumValue, volume.maximumValue), (0, 100))
            s.xdotool("key", "Tab", "alt+s")
            self.assertTrue(hear(lambda: ("Sleep Now!", "Stopped") in [h[1:] for h in heard]), heard)

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
            press(find("radio button", "Pause playback", main), "Toggle")
            press(find("push button", "Sleep Now!", main))
            warning = find("alert", "Somnivo - Ending soon")
            self.assertTrue(warning, "the warning is no alert")
            # Its text is read once, from the label: no description repeats it.
            self.assertEqual(warning.description, "")
            self.assertTrue(pyatspi.findDescendant(warning, lambda a: re.fullmatch(
                r"Playback will pause in 0:[23]\d\.", a.name or "")))
            press(find("push button", "Cancel", warning))
            self.assertTrue(find("push button", "Sleep Now!", main))


if __name__ == "__main__":
    unittest.main()
