#!/usr/bin/python3
"""A stand-in for systemd-logind on a private system bus, for tests.

Owns org.freedesktop.login1 on the bus named by DBUS_SYSTEM_BUS_ADDRESS and answers the
Manager calls the program makes, writing each call as one line to a record file:
"PowerOff false", "Reboot false", "TerminateSession 1", "GetSessionByPID 1234",
"Get org.freedesktop.login1.Session Id". A call with the wrong argument types is answered
with InvalidArgs and recorded as e.g. "PowerOff with signature s".

Run it with Debian's /usr/bin/python3 (python3-dbus, python3-gi).
"""

import argparse
import os
import sys

import dbus
import dbus.lowlevel
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SERVICE = "org.freedesktop.login1"
MANAGER_PATH = "/org/freedesktop/login1"
MANAGER = "org.freedesktop.login1.Manager"
SESSION = "org.freedesktop.login1.Session"
PROPERTIES = "org.freedesktop.DBus.Properties"
SESSION_ID = "1"
SESSION_PATH = "/org/freedesktop/login1/session/_31"  # logind's escaping of "1"

# Manager methods: name -> argument signature.
MANAGER_METHODS = {
    "PowerOff": "b",
    "Reboot": "b",
    "TerminateSession": "s",
    "GetSessionByPID": "u",
}


class CallError(Exception):
    def __init__(self, name, text):
        super().__init__(text)
        self.name = name
        self.text = text


class FakeLogind:
    def __init__(self, record, refuse, no_session):
        self.record_path = record
        self.refuse = refuse
        self.no_session = no_session

    def record(self, line):
        with open(self.record_path, "a", encoding="utf-8") as record:
            record.write(line + "\n")
            record.flush()

    def on_message(self, connection, message):
        if message.get_type() != dbus.lowlevel.MESSAGE_TYPE_METHOD_CALL:
            return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED
        try:
            result = self.dispatch(message)
        except CallError as error:
            reply = dbus.lowlevel.ErrorMessage(message, error.name, error.text)
        else:
            reply = dbus.lowlevel.MethodReturnMessage(message)
            if result is not None:
                reply.append(result[1], signature=result[0])
        connection.send_message(reply)
        return dbus.lowlevel.HANDLER_RESULT_HANDLED

    def dispatch(self, message):
        path = message.get_path()
        interface = message.get_interface()
        member = message.get_member()
        signature = message.get_signature()
        args = message.get_args_list()

        if path == MANAGER_PATH and interface == MANAGER and member in MANAGER_METHODS:
            if signature != MANAGER_METHODS[member]:
                self.record(f"{member} with signature {signature}")
                raise CallError("org.freedesktop.DBus.Error.InvalidArgs",
                                f"{member} takes ({MANAGER_METHODS[member]}), "
                                f"not ({signature})")
            self.record(f"{member} {format_argument(args[0])}")
            if self.refuse:
                raise CallError("org.freedesktop.DBus.Error.AccessDenied",
                                "Access denied: the test forbids this.")
            if member == "GetSessionByPID":
                if self.no_session:
                    raise CallError("org.freedesktop.login1.NoSessionForPID",
                                    f"PID {args[0]} does not belong to any known session")
                return ("o", dbus.ObjectPath(SESSION_PATH))
            return None

        if path == SESSION_PATH and interface == PROPERTIES and member == "Get":
            if signature != "ss":
                raise CallError("org.freedesktop.DBus.Error.InvalidArgs",
                                f"Get takes (ss), not ({signature})")
            self.record(f"Get {args[0]} {args[1]}")
            if (args[0], args[1]) != (SESSION, "Id"):
                raise CallError("org.freedesktop.DBus.Error.UnknownProperty",
                                f"No property {args[0]}.{args[1]}")
            return ("v", dbus.String(SESSION_ID, variant_level=1))

        self.record(f"{member} unknown on {path} {interface}")
        raise CallError("org.freedesktop.DBus.Error.UnknownMethod",
                        f"No method {interface}.{member} on {path}")


def format_argument(value):
    if isinstance(value, dbus.Boolean):
        return "true" if value else "false"
    return str(value)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--record", required=True, help="file the calls are appended to")
    parser.add_argument("--refuse", action="store_true",
                        help="answer every Manager call with AccessDenied")
    parser.add_argument("--no-session", action="store_true",
                        help="know no session for any process")
    options = parser.parse_args()

    address = os.environ.get("DBUS_SYSTEM_BUS_ADDRESS")
    if not address:
        sys.exit("fake_logind: DBUS_SYSTEM_BUS_ADDRESS is not set; refusing to guess a bus")

    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    logind = FakeLogind(options.record, options.refuse, options.no_session)
    bus.add_message_filter(logind.on_message)
    if bus.request_name(SERVICE, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
            dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        sys.exit(f"fake_logind: {SERVICE} is already owned on {address}")

    loop = GLib.MainLoop()
    bus.call_on_disconnection(lambda _connection: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
