#!/usr/bin/python3
"""A stand-in for systemd-logind on the private bus in DBUS_SYSTEM_BUS_ADDRESS, for tests.

Usage: fake_logind.py RECORD [--refuse] [--no-session]. Appends each call to RECORD as one line,
"PowerOff false", "GetSessionByPID 1234", "Get org.freedesktop.login1.Session Id", and answers
as logind would; --refuse denies every Manager call, --no-session knows no session for any PID.
"""

import os
import sys

import dbus
import dbus.lowlevel as low
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

MANAGER = ("/org/freedesktop/login1", "org.freedesktop.login1.Manager")
SESSION = ("/org/freedesktop/login1/session/_31", "org.freedesktop.DBus.Properties")  # id "1"
SIGNATURES = {"PowerOff": "b", "Reboot": "b", "TerminateSession": "s", "GetSessionByPID": "u",
              "Get": "ss"}


def refuse(name, text):
    raise dbus.DBusException(text, name="org.freedesktop." + name)


def answer(message):
    member, args = message.get_member(), message.get_args_list()
    with open(sys.argv[1], "a", encoding="utf-8") as record:
        record.write(" ".join([member] + [str(bool(a)).lower() if isinstance(a, dbus.Boolean)
                                          else str(a) for a in args]) + "\n")
    where = (message.get_path(), message.get_interface())
    if member not in SIGNATURES or message.get_signature() != SIGNATURES[member] or \
            where != (SESSION if member == "Get" else MANAGER):
        refuse("DBus.Error.UnknownMethod", f"No {member}({message.get_signature()}) here")
    if member == "Get":
        if args != ["org.freedesktop.login1.Session", "Id"]:
            refuse("DBus.Error.UnknownProperty", f"No property {args[1]}")
        return "v", dbus.String("1", variant_level=1)
    if "--refuse" in sys.argv:
        refuse("DBus.Error.AccessDenied", "Access denied: the test forbids this.")
    if member == "GetSessionByPID":
        if "--no-session" in sys.argv:
            refuse("login1.NoSessionForPID", f"PID {args[0]} does not belong to any known session")
        return "o", dbus.ObjectPath(SESSION[0])
    return None


def on_message(connection, message):
    if message.get_type() != low.MESSAGE_TYPE_METHOD_CALL:
        return low.HANDLER_RESULT_NOT_YET_HANDLED
    try:
        result = answer(message)
        reply = low.MethodReturnMessage(message)
        if result:
            reply.append(result[1], signature=result[0])
    except dbus.DBusException as error:
        reply = low.ErrorMessage(message, error.get_dbus_name(), error.get_dbus_message())
    connection.send_message(reply)
    return low.HANDLER_RESULT_HANDLED


DBusGMainLoop(set_as_default=True)
# Only ever the bus named explicitly: never the machine's own.
bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS"])
bus.add_message_filter(on_message)
if bus.request_name("org.freedesktop.login1", dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
        dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
    sys.exit("fake_logind: org.freedesktop.login1 is already owned")
loop = GLib.MainLoop()
bus.call_on_disconnection(lambda _connection: loop.quit())
loop.run()
