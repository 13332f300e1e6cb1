#!/usr/bin/python3
"""A stand-in for a desktop's notification area on the private bus in DBUS_SESSION_BUS_ADDRESS.

Usage: fake_status_notifier_watcher.py RECORD. Owns org.kde.StatusNotifierWatcher, says a host
is registered, and appends "Registered <bus name> /StatusNotifierItem" to RECORD when an item
registers, and "Unregistered <bus name> /StatusNotifierItem" when its bus name goes.
"""

import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SERVICE = "org.kde.StatusNotifierWatcher"
PROPERTIES = "org.freedesktop.DBus.Properties"
# Qt reads the property through QDBusInterface, which only knows what Introspect lists.
INTROSPECTION = f"""<node><interface name="{SERVICE}">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
</interface></node>"""


def record(line):
    with open(sys.argv[1], "a", encoding="utf-8") as file:
        file.write(line + "\n")


class Watcher(dbus.service.Object):
    def __init__(self, connection):
        super().__init__(connection, "/StatusNotifierWatcher")
        self.items = set()
        connection.add_signal_receiver(self.name_owner_changed, "NameOwnerChanged")

    @dbus.service.method(SERVICE, in_signature="s")
    def RegisterStatusNotifierItem(self, service):  # Qt names its connection's unique name
        if service not in self.items:
            self.items.add(service)
            record(f"Registered {service} /StatusNotifierItem")

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, _interface, name):
        return self.GetAll(SERVICE)[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, _interface):
        return {"IsStatusNotifierHostRegistered": dbus.Boolean(True)}

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    def name_owner_changed(self, name, _old_owner, new_owner):
        if name in self.items and not new_owner:
            self.items.remove(name)
            record(f"Unregistered {name} /StatusNotifierItem")


DBusGMainLoop(set_as_default=True)
# Only ever the bus named explicitly: never the user's own.
bus = dbus.bus.BusConnection(os.environ["DBUS_SESSION_BUS_ADDRESS"])
watcher = Watcher(bus)
if bus.request_name(SERVICE, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
        dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
    sys.exit(f"fake_status_notifier_watcher: {SERVICE} is already owned")
loop = GLib.MainLoop()
bus.call_on_disconnection(lambda _connection: loop.quit())
loop.run()
