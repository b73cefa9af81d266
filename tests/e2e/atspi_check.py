#!/usr/bin/python3
"""Checks what a screen reader meets in one window of a running Tocsimo,
through the desktop's accessibility bus (AT-SPI).

Usage: atspi_check.py PID SURFACE
SURFACE is a row of SURFACES: the window's accessible name and role, and the
checks of that window beyond the ones every window gets: each control a user
acts on is named and can take the keyboard focus. Prints what fails and exits
1; exits 2 while the window is not there yet (the caller polls).
"""
import re
import sys

import pyatspi

# Roles of the controls a user acts on.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LINK,
}


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def descendants(obj):
    for child in obj:
        if child is None or not showing(child):
            continue
        yield child
        # The cells of a table are its own business.
        if child.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
                                   pyatspi.ROLE_COMBO_BOX):
            yield from descendants(child)


def find(root, role, name=None):
    return [o for o in descendants(root) if o.getRole() == role and (name is None or o.name == name)]


def manager_page(page):
    def check(window):
        faults = []
        lists = [o for o in descendants(window)
                 if o.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE)]
        if page == "Alarms":
            if len(lists) != 1 or lists[0].name != "Alarms":
                faults.append("the alarm list is not one list named \"Alarms\": %s" % [l.name for l in lists])
            elif lists[0].queryTable().nColumns != 2:
                faults.append("the alarm list has %d columns, not the two it shows" % lists[0].queryTable().nColumns)
        pressed = [b.name for b in descendants(window)
                   if b.getRole() in (pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)
                   and b.name in ("Alarms", "Options") and b.getState().contains(pyatspi.STATE_CHECKED)]
        if pressed != [page]:
            faults.append("the page shown is not told as checked: %s" % pressed)
        if page == "Options":
            boxes = find(window, pyatspi.ROLE_COMBO_BOX)
            if [b.name for b in boxes] != ["Chime sound"]:
                faults.append("the chime box is named %s" % [b.name for b in boxes])
            elif boxes[0].queryText().getText(0, -1) != "Chime":
                faults.append("the chime box's value is %r" % boxes[0].queryText().getText(0, -1))
        return faults
    return check


def reminder(window):
    faults = []
    if "Take the pills" not in window.description:
        faults.append("the alert does not tell the message: %r" % window.description)
    # The time label is named to the minute, so it is not announced every second.
    times = [o.name for o in find(window, pyatspi.ROLE_LABEL) if re.fullmatch(r"\d\d:\d\d [AP]M", o.name)]
    if len(times) != 1:
        faults.append("no label tells the time to the minute: %s" % [o.name for o in find(window, pyatspi.ROLE_LABEL)])
    focused = [o.name for o in descendants(window) if o.getState().contains(pyatspi.STATE_FOCUSED)]
    if focused != ["Close"]:
        faults.append("the keyboard is not on \"Close\" but on %s" % focused)
    return faults


def clock(window):
    # The time the face shows, to the minute, in its 12-hour form.
    if not re.search(r"\b\d\d:\d\d [AP]M\b", window.name):
        return ["the clock does not tell the time: %r" % window.name]
    return []


def help_page(window):
    pages = [o for o in descendants(window) if o.name == "Tocsimo Help"]
    return [] if pages else ["the help page is not named by its title"]


# Window name, its role, and its own checks. A new window joins with a row.
SURFACES = {
    "clock": (re.compile(r"^Tocsimo clock, "), pyatspi.ROLE_FRAME, clock),
    "manager-alarms": (re.compile(r"^Tocsimo$"), pyatspi.ROLE_DIALOG, manager_page("Alarms")),
    "manager-options": (re.compile(r"^Tocsimo$"), pyatspi.ROLE_DIALOG, manager_page("Options")),
    "editor": (re.compile(r"^Alarm properties$"), pyatspi.ROLE_DIALOG, lambda w: []),
    "reminder": (re.compile(r"^Alarm$"), pyatspi.ROLE_ALERT, reminder),
    "missed": (re.compile(r"^Missed alarms$"), pyatspi.ROLE_ALERT, lambda w: []),
    "about": (re.compile(r"^About$"), pyatspi.ROLE_DIALOG, lambda w: []),
    "help": (re.compile(r"^Tocsimo Help$"), None, help_page),
}


def main():
    pid, surface = int(sys.argv[1]), sys.argv[2]
    name, role, own_checks = SURFACES[surface]
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and a.get_process_id() == pid]
    windows = [w for a in apps for w in a if w is not None and showing(w) and name.search(w.name)
               and (role is None or w.getRole() == role)]
    if len(windows) != 1:
        print("%s: %d windows of pid %d match" % (surface, len(windows), pid))
        return 2
    window = windows[0]
    faults = []
    for obj in descendants(window):
        if obj.getRole() not in CONTROLS:
            continue
        what = "%s %r" % (obj.getRoleName(), obj.name)
        if not obj.name.strip():
            faults.append("a nameless %s (%r)" % (obj.getRoleName(), obj.description))
        if not obj.getState().contains(pyatspi.STATE_FOCUSABLE):
            faults.append("%s takes no keyboard focus" % what)
    faults += own_checks(window)
    for fault in faults:
        print("%s: %s" % (surface, fault))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
