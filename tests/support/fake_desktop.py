#!/usr/bin/python3
"""Stand-ins for the desktop's services, each on a private bus of a test's own.

Usage: fake_desktop.py logind|tray RECORD. "logind" owns org.freedesktop.login1 on the bus in
DBUS_SYSTEM_BUS_ADDRESS, "tray" a notification area (org.kde.StatusNotifierWatcher) on the bus in
DBUS_SESSION_BUS_ADDRESS. Each appends what it is told to RECORD, a line each ("PowerOff false",
"Registered <bus name> /StatusNotifierItem"), and prints "ready" once it owns its name. The file
"logind-mode" beside RECORD, read at every call, changes logind's answers: "refuse" denies every
request, "no-session" knows no session for any process.
"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

KIND, RECORD = sys.argv[1], sys.argv[2]
MANAGER, WATCHER = "org.freedesktop.login1.Manager", "org.kde.StatusNotifierWatcher"


def record(*words):
    with open(RECORD, "a", encoding="utf-8") as file:
        file.write(" ".join(map(str, words)) + "\n")


def mode():
    path = os.path.join(os.path.dirname(RECORD), "logind-mode")
    return open(path, encoding="utf-8").read().strip() if os.path.exists(path) else ""


class Logind(dbus.service.Object):
    def asked(self, *call):
        record(*call)
        if mode() == "refuse":
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
        if mode() == "no-session":
            raise dbus.DBusException(f"PID {pid} does not belong to any known session",
                                     name="org.freedesktop.login1.NoSessionForPID")
        return "/org/freedesktop/login1/session/_31"


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

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, _interface, name):
        return {"IsStatusNotifierHostRegistered": dbus.Boolean(True)}[name]

    # Qt reads the property through QDBusInterface, which only knows what Introspect lists.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return f"""<node><interface name="{WATCHER}"><method name="RegisterStatusNotifierItem">
            <arg type="s" direction="in"/></method><property type="b" access="read"
            name="IsStatusNotifierHostRegistered"/></interface></node>"""

    def name_owner_changed(self, name, _old_owner, new_owner):
        if name in self.items and not new_owner:
            self.items.remove(name)
            record("Unregistered", name, "/StatusNotifierItem")


DBusGMainLoop(set_as_default=True)
# Only ever the bus named explicitly: never the machine's own.
bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS" if KIND == "logind"
                                       else "DBUS_SESSION_BUS_ADDRESS"])
if KIND == "logind":
    services = [Logind(bus, "/org/freedesktop/login1"),
                Session(bus, "/org/freedesktop/login1/session/_31")]
    name = "org.freedesktop.login1"
else:
    services, name = [Watcher(bus, "/StatusNotifierWatcher")], WATCHER
if bus.request_name(name, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
        dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
    sys.exit(f"fake_desktop: {name} is already owned")
print("ready", flush=True)
loop = GLib.MainLoop()
bus.call_on_disconnection(lambda _connection: loop.quit())
loop.run()
