#!/usr/bin/python3
"""A desktop panel's side of the StatusNotifierItem protocol, for the tests.

    sni_panel.py serve [--no-host]   the watcher (org.kde.StatusNotifierWatcher),
                                     with a host registered unless --no-host (then
                                     the host registers on SIGUSR1); runs until it
                                     is stopped
    sni_panel.py items               the registered items, one a line
    sni_panel.py item                the one registered item's title, tooltip,
                                     icon sizes and menu path, as NAME=VALUE lines
    sni_panel.py activate            a click on the item, as a panel sends it
    sni_panel.py context             a right click, as a panel that draws no menu
                                     of its own sends it
    sni_panel.py menu                the item's menu as a panel shows it: the
                                     visible labels of its first level, "-" for
                                     a separator
    sni_panel.py click LABEL         chooses that item of the menu

All on the session bus of DBUS_SESSION_BUS_ADDRESS. Every call has a deadline:
a program that does not answer a panel within it is a fault (exit status 3).
"""
import os
import signal
import sys
import time

import dbus
import dbus.service

WATCHER = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
DEADLINE_S = 5

# dbus-python leaves properties out of its own introspection data, and Qt reads
# the watcher's properties through it: a panel's watcher describes them.
WATCHER_XML = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
    <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg type="s" direction="out"/></method>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, WATCHER_PATH)
        self.bus = bus
        self.items = {}  # "service/path" -> owner's unique name
        self.hosts = {}  # service -> owner's unique name
        bus.add_signal_receiver(self.name_owner_changed, "NameOwnerChanged", dbus.BUS_DAEMON_IFACE,
                                dbus.BUS_DAEMON_NAME, dbus.BUS_DAEMON_PATH)

    def name_owner_changed(self, name, old, new):
        if new:
            return
        for key, owner in list(self.items.items()):
            if owner == old or key.split("/", 1)[0] == name:
                del self.items[key]
                self.StatusNotifierItemUnregistered(key)
        for key, owner in list(self.hosts.items()):
            if owner == old or key == name:
                del self.hosts[key]
                self.StatusNotifierHostUnregistered()

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # A service name, or an object path on the caller's connection.
        key = sender + service if service.startswith("/") else service + "/StatusNotifierItem"
        if key not in self.items:
            self.items[key] = sender
            self.StatusNotifierItemRegistered(key)

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierHost(self, service, sender=None):
        first = not self.hosts
        self.hosts[service] = sender
        if first:
            self.StatusNotifierHostRegistered()

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, service):
        pass

    @dbus.service.signal(WATCHER)
    def StatusNotifierHostRegistered(self):
        pass

    @dbus.service.signal(WATCHER)
    def StatusNotifierHostUnregistered(self):
        pass

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(list(self.items), signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(bool(self.hosts)),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return WATCHER_XML


def serve(args):
    import dbus.mainloop.glib
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    # The name last: the watcher answers as soon as a program can see it.
    if bus.request_name(WATCHER, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        sys.exit("sni_panel: org.kde.StatusNotifierWatcher is taken")

    def register_host():
        host = "org.kde.StatusNotifierHost-%d" % os.getpid()
        bus.request_name(host)
        watcher.RegisterStatusNotifierHost(host, sender=bus.get_unique_name())
        return GLib.SOURCE_REMOVE

    if "--no-host" in args:
        GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, register_host)
    else:
        register_host()
    GLib.MainLoop().run()


def call(proxy, interface, method, *args):
    try:
        return getattr(proxy, method)(*args, dbus_interface=interface, timeout=DEADLINE_S)
    except dbus.exceptions.DBusException as e:
        if e.get_dbus_name() == "org.freedesktop.DBus.Error.NoReply":
            print("sni_panel: %s.%s got no answer in %d s" % (interface, method, DEADLINE_S), file=sys.stderr)
            sys.exit(3)
        raise


def registered_items(bus):
    watcher = bus.get_object(WATCHER, WATCHER_PATH)
    return [str(s) for s in call(watcher, dbus.PROPERTIES_IFACE, "Get", WATCHER, "RegisteredStatusNotifierItems")]


def the_item(bus):
    items = registered_items(bus)
    if len(items) != 1:
        sys.exit("sni_panel: %d items registered, not one" % len(items))
    service, path = items[0].split("/", 1)
    return bus.get_object(service, "/" + path)


def item_property(item, name):
    return call(item, dbus.PROPERTIES_IFACE, "Get", ITEM, name)


def label(text):
    # dbusmenu marks a mnemonic with "_" and writes "__" for a "_" of the text.
    return text.replace("__", "\0").replace("_", "").replace("\0", "_")


def menu_entries(bus, item):
    menu = bus.get_object(item.bus_name, str(item_property(item, "Menu")))
    call(menu, MENU, "AboutToShow", dbus.Int32(0))
    _, layout = call(menu, MENU, "GetLayout", dbus.Int32(0), dbus.Int32(1), dbus.Array([], signature="s"))
    entries = []
    for child in layout[2]:
        ident, props = child[0], child[1]
        if not props.get("visible", True):
            continue
        if props.get("type") == "separator":
            entries.append((ident, "-"))
        else:
            entries.append((ident, label(str(props.get("label", "")))))
    return menu, entries


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    command, args = sys.argv[1], sys.argv[2:]
    if command == "serve":
        return serve(args)
    bus = dbus.SessionBus()
    if command == "items":
        for service in registered_items(bus):
            print(service)
    elif command == "item":
        item = the_item(bus)
        tooltip = item_property(item, "ToolTip")
        pixmaps = item_property(item, "IconPixmap")
        print("Title=%s" % item_property(item, "Title"))
        print("ToolTip=%s" % tooltip[2])
        print("IconSizes=%s" % " ".join("%dx%d" % (p[0], p[1]) for p in pixmaps if len(p[2]) == 4 * p[0] * p[1]))
        print("Menu=%s" % item_property(item, "Menu"))
    elif command == "activate":
        call(the_item(bus), ITEM, "Activate", dbus.Int32(0), dbus.Int32(0))
    elif command == "context":
        call(the_item(bus), ITEM, "ContextMenu", dbus.Int32(0), dbus.Int32(0))
    elif command == "menu":
        _, entries = menu_entries(bus, the_item(bus))
        for _, text in entries:
            print(text)
    elif command == "click" and len(args) == 1:
        menu, entries = menu_entries(bus, the_item(bus))
        ids = [ident for ident, text in entries if text == args[0]]
        if not ids:
            sys.exit("sni_panel: no item %r in the menu" % args[0])
        call(menu, MENU, "Event", dbus.Int32(ids[0]), "clicked", dbus.Int32(0, variant_level=1),
             dbus.UInt32(int(time.time())))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    try:
        main()
    except dbus.exceptions.DBusException as e:
        sys.exit("sni_panel: %s" % e.get_dbus_message())
