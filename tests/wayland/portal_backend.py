#!/usr/bin/env python3
"""A desktop portal backend for the tests. Screenshot.PickColor answers with the response code
and colour read from the file ANSWER ("0 0.2 0.4 0.6"), then empties it; an empty file leaves the
request unanswered. Access only has to be offered for the frontend to keep the Screenshot portal.
Usage: portal_backend.py BUS_NAME ANSWER"""
import sys
from gi.repository import Gio, GLib

REQUEST = '<arg type="o"/><arg type="s"/><arg type="s"/>'
ANSWER = '<arg type="a{sv}"/><arg type="u" direction="out"/><arg type="a{sv}" direction="out"/>'
NODE = Gio.DBusNodeInfo.new_for_xml(f"""<node>
  <interface name="org.freedesktop.impl.portal.Screenshot">
    <method name="PickColor">{REQUEST}{ANSWER}</method>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.freedesktop.impl.portal.Access">
    <method name="AccessDialog">{REQUEST}<arg type="s"/><arg type="s"/><arg type="s"/>{ANSWER}</method>
  </interface></node>""")

held = []  # requests left unanswered

def call(connection, sender, path, interface, method, args, invocation):
    with open(sys.argv[2], "r+") as answer:  # each answer is given once
        code, *rgb = answer.read().split() or [None]
        answer.truncate(0)
    if code is not None:
        results = {"color": GLib.Variant("(ddd)", tuple(map(float, rgb)))} if rgb else {}
        invocation.return_value(GLib.Variant("(ua{sv})", (int(code), results)))
    else:
        held.append(invocation)

def acquired(connection, name):
    for interface in NODE.interfaces:
        connection.register_object("/org/freedesktop/portal/desktop", interface, call,
                                   lambda *_: GLib.Variant("u", 2), None)

Gio.bus_own_name(Gio.BusType.SESSION, sys.argv[1], Gio.BusNameOwnerFlags.NONE,
                 acquired, None, lambda *_: sys.exit(1))
GLib.MainLoop().run()
