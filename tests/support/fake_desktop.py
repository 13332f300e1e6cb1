#!/usr/bin/python3
"""Stand-ins for the desktop's services, each on a private bus of a test's own.

Usage: fake_desktop.py logind|session RECORD. "logind" owns org.freedesktop.login1 on the bus in
DBUS_SYSTEM_BUS_ADDRESS; "session", on the bus in DBUS_SESSION_BUS_ADDRESS, is a notification area
(org.kde.StatusNotifierWatcher), a notification server and a media player that is playing. Both
append what they are told to RECORD, a line each ("PowerOff false", "Pause", "Registered <name>
<path>"), and print "ready" once they own their names. The words in the file "fake-mode" beside
RECORD, read at every call, change the answers: "refuse" (logind refuses every request),
"no-session" (it knows no session), "cannot" (CanPowerOff and CanReboot say "no"), "inhibited"
(a video player blocks shutdown), "press-cancel" (the user presses "Cancel" on a notification).
"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

KIND, RECORD = sys.argv[1], sys.argv[2]
MANAGER, WATCHER = "org.freedesktop.login1.Manager", "org.kde.StatusNotifierWatcher"
NOTIFICATIONS, PLAYER = "org.freedesktop.Notifications", "org.mpris.MediaPlayer2.Player"


def record(*words):
    with open(RECORD, "a", encoding="utf-8") as file:
        file.write(" ".join(map(str, words)) + "\n")


def mode(word):
    path = os.path.join(os.path.dirname(RECORD), "fake-mode")
    return os.path.exists(path) and word in open(path, encoding="utf-8").read().split()


class Logind(dbus.service.Object):
    def asked(self, *call):
        record(*call)
        if mode("refuse"):
            raise dbus.DBusException("Access denied: the test forbids this.",
                                     name="org.freedesktop.DBus.Error.AccessDenied")

    @dbus.service.method(MANAGER, in_signature="b")
    def PowerOff(self, interactive):
        self.asked("PowerOff", str(bool(interactive)).lower())

    @dbus.service.method(MANAGER, in_signature="b")
    def Reboot(self, interactive):
        self.asked("Reboot", str(bool(interactive)).lower())

    @dbus.service.method(MANAGER, in_signature="s")
    def TerminateSession(self, session):
        self.asked("TerminateSession", session)

    @dbus.service.method(MANAGER, in_signature="u", out_signature="o")
    def GetSessionByPID(self, pid):
        self.asked("GetSessionByPID", pid)
        if mode("no-session"):
            raise dbus.DBusException(f"PID {pid} does not belong to any known session",
                                     name="org.freedesktop.login1.NoSessionForPID")
        return "/org/freedesktop/login1/session/_31"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanPowerOff(self):
        return "no" if mode("cannot") else "yes"

    @dbus.service.method(MANAGER, out_signature="s")
    def CanReboot(self):
        return self.CanPowerOff()

    @dbus.service.method(MANAGER, out_signature="a(ssssuu)")
    def ListInhibitors(self):
        held = [("shutdown:sleep", "a video player", "Playing video", "block", 1000, 4321)]
        return held if mode("inhibited") else dbus.Array([], signature="(ssssuu)")


class Session(dbus.service.Object):  # the session whose id is "1"
    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        record("Get", interface, name)
        return dbus.String("1") if name == "Id" else None


class Watcher(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)
        self.items = set()
        bus.add_signal_receiver(self.name_owner_changed, "NameOwnerChanged")

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierItem(self, service):  # Qt names its connection's unique name
        if service not in self.items:
            self.items.add(service)
            record("Registered", service, "/StatusNotifierItem")

    # Qt reads the property through QDBusInterface, which only knows what Introspect lists.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return f"""<node><interface name="{WATCHER}"><method name="RegisterStatusNotifierItem">
            <arg type="s" direction="in"/></method><property type="b" access="read"
            name="IsStatusNotifierHostRegistered"/></interface></node>"""

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, _interface, name):
        return {"IsStatusNotifierHostRegistered": dbus.Boolean(True)}[name]

    def name_owner_changed(self, name, _old_owner, new_owner):
        if name in self.items and not new_owner:
            self.items.remove(name)
            record("Unregistered", name, "/StatusNotifierItem")


class Notifications(dbus.service.Object):
    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, _app, _replaces, _icon, summary, body, actions, _hints, _timeout):
        record("Notify", summary, "|", body, "|", ",".join(actions))
        if mode("press-cancel"):
            GLib.timeout_add(100, lambda: self.ActionInvoked(7, "cancel"))  # once: it is None
        return 7

    @dbus.service.method(NOTIFICATIONS, in_signature="u")
    def CloseNotification(self, id):
        record("CloseNotification", id)

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, id, key):
        pass


class Player(dbus.service.Object):
    status = "Playing"

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, _interface, name):
        return {"PlaybackStatus": self.status}[name]

    @dbus.service.method(PLAYER)
    def Pause(self):
        record("Pause")
        self.status = "Paused"


DBusGMainLoop(set_as_default=True)
# Only ever the bus named explicitly: never the machine's own.
bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS" if KIND == "logind"
                                       else "DBUS_SESSION_BUS_ADDRESS"])
if KIND == "logind":
    services = {"org.freedesktop.login1": [Logind(bus, "/org/freedesktop/login1"),
                                           Session(bus, "/org/freedesktop/login1/session/_31")]}
else:
    services = {WATCHER: [Watcher(bus, "/StatusNotifierWatcher")],
                NOTIFICATIONS: [Notifications(bus, "/org/freedesktop/Notifications")],
                "org.mpris.MediaPlayer2.fake": [Player(bus, "/org/mpris/MediaPlayer2")]}
for name in services:
    if bus.request_name(name, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
            dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        sys.exit(f"fake_desktop: {name} is already owned")
print("ready", flush=True)
loop = GLib.MainLoop()
bus.call_on_disconnection(lambda _connection: loop.quit())
loop.run()
