#!/usr/bin/env python3
# A desktop portal backend for the tests: Screenshot.PickColor answers with the response code and
# colour read from the file ANSWER ("0 0.2 0.4 0.6"), then empties it, so that a test can see
# that it was asked. Usage: portal_backend.py BUS_NAME ANSWER
import sys
from gi.repository import Gio, GLib

SCREENSHOT = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.freedesktop.impl.portal.Screenshot"><method name="PickColor">
    <arg type="o"/><arg type="s"/><arg type="s"/><arg type="a{sv}"/>
    <arg type="u" direction="out"/><arg type="a{sv}" direction="out"/>
  </method></interface></node>""").interfaces[0]

def pick_color(connection, sender, path, interface, method, args, invocation):
    with open(sys.argv[2], "r+") as answer:
        code, *rgb = answer.read().split()
        answer.truncate(0)
    results = {"color": GLib.Variant("(ddd)", tuple(map(float, rgb)))} if rgb else {}
    invocation.return_value(GLib.Variant("(ua{sv})", (int(code), results)))

def register(connection, name):  # before the name is owned, so the frontend finds it in place
    connection.register_object("/org/freedesktop/portal/desktop", SCREENSHOT, pick_color)

Gio.bus_own_name(Gio.BusType.SESSION, sys.argv[1], 0, register, None, lambda *_: sys.exit(1))
GLib.MainLoop().run()
