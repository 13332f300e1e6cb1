#!/usr/bin/python3
"""A stand-in for a desktop's notification area on a private session bus, for tests.

Owns org.kde.StatusNotifierWatcher at /StatusNotifierWatcher on the bus named by
DBUS_SESSION_BUS_ADDRESS, says a host is registered, and writes each event as one line to a
record file: "Registered <bus name> <object path>" when an item registers, and
"Unregistered <bus name> <object path>" when the item's connection leaves the bus.

Run it with Debian's /usr/bin/python3 (python3-dbus, python3-gi).
"""

import argparse
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SERVICE = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
PROPERTIES = "org.freedesktop.DBus.Properties"
ITEM_PATH = "/StatusNotifierItem"  # where an item that registers by bus name lives

# Qt reads the properties through QDBusInterface, which only knows what Introspect lists.
INTROSPECTION = f"""<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="{SERVICE}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
  <interface name="{PROPERTIES}">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/><arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/>
      <arg name="values" type="a{{sv}}" direction="out"/>
    </method>
  </interface>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="data" type="s" direction="out"/></method>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus, record_path):
        super().__init__(bus, PATH)
        self.record_path = record_path
        self.items = []  # (bus name, object path), in registration order
        bus.add_signal_receiver(self.on_name_owner_changed, signal_name="NameOwnerChanged",
                                dbus_interface="org.freedesktop.DBus",
                                bus_name="org.freedesktop.DBus", path="/org/freedesktop/DBus")

    def record(self, line):
        with open(self.record_path, "a", encoding="utf-8") as record:
            record.write(line + "\n")

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(
                [name + path for name, path in self.items], signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(SERVICE, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender):
        # An item names either its object path on the caller's connection or its bus name.
        item = (sender, service) if service.startswith("/") else (service, ITEM_PATH)
        if item not in self.items:
            self.items.append(item)
            self.record(f"Registered {item[0]} {item[1]}")
        self.StatusNotifierItemRegistered(item[0] + item[1])

    @dbus.service.method(SERVICE, in_signature="s")
    def RegisterStatusNotifierHost(self, _service):
        pass

    @dbus.service.signal(SERVICE, signature="s")
    def StatusNotifierItemRegistered(self, _item):
        pass

    @dbus.service.signal(SERVICE, signature="s")
    def StatusNotifierItemUnregistered(self, _item):
        pass

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        values = self.properties()
        if interface not in (SERVICE, "") or name not in values:
            raise dbus.exceptions.DBusException(
                f"No property {interface}.{name}",
                name="org.freedesktop.DBus.Error.UnknownProperty")
        return values[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties() if interface in (SERVICE, "") else {}

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    def on_name_owner_changed(self, name, _old_owner, new_owner):
        if new_owner:
            return
        for item in [item for item in self.items if item[0] == name]:
            self.items.remove(item)
            self.record(f"Unregistered {item[0]} {item[1]}")
            self.StatusNotifierItemUnregistered(item[0] + item[1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--record", required=True, help="file the events are appended to")
    options = parser.parse_args()

    address = os.environ.get("DBUS_SESSION_BUS_ADDRESS")
    if not address:
        sys.exit("fake_status_notifier_watcher: DBUS_SESSION_BUS_ADDRESS is not set")

    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    watcher = Watcher(bus, options.record)  # lives as long as the loop runs
    if bus.request_name(SERVICE, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
            dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        sys.exit(f"fake_status_notifier_watcher: {SERVICE} is already owned on {address}")

    loop = GLib.MainLoop()
    bus.call_on_disconnection(lambda _connection: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
