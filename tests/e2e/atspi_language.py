#!/usr/bin/python3
"""What a user reads in a language, through the accessibility bus.

  atspi_language.py text LANG CONTEXT SOURCE     the caption the program shows
                                                 for SOURCE (without its &)
  atspi_language.py letter LANG CONTEXT SOURCE   its mnemonic letter, lower case
  atspi_language.py names PID TITLE              the names of the controls in
                                                 PID's window titled TITLE, one
                                                 a line (exit 2: no such window)
  atspi_language.py press PID TITLE NAME         presses the control named NAME

LANG's translations are read from translations/tocsimo_LANG.ts ("en": the
source text itself).
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

TRANSLATIONS = os.path.join(os.path.dirname(__file__), "..", "..", "translations")


def caption(lang, context, source):
    if lang == "en":
        return source
    tree = ET.parse(os.path.join(TRANSLATIONS, "tocsimo_%s.ts" % lang))
    for ctx in tree.getroot().iter("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation")
    sys.exit("no %s translation of %s %r" % (lang, context, source))


def shown(text):
    # Without the letter mark, and without a CJK "(&X)" suffix.
    text = re.sub(r"\(&.\)", "", text)
    return text.replace("&&", "\x01").replace("&", "").replace("\x01", "&")


def window(pid, title):
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        for w in app:
            if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
    return None


def controls(root):
    import pyatspi
    for child in root:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_COMBO_BOX):
            yield from controls(child)


def main():
    what = sys.argv[1]
    if what in ("text", "letter"):
        text = caption(*sys.argv[2:5])
        if what == "text":
            print(shown(text))
        else:
            match = re.search(r"&([^&])", text.replace("&&", ""))
            print(match.group(1).lower() if match else "")
        return 0
    w = window(int(sys.argv[2]), sys.argv[3])
    if w is None:
        return 2
    if what == "names":
        for obj in controls(w):
            if obj.name:
                print(obj.name)
        return 0
    for obj in controls(w):
        if obj.name == sys.argv[4]:
            obj.queryAction().doAction(0)
            return 0
    print("no control named %r in %r" % (sys.argv[4], sys.argv[3]))
    return 1


if __name__ == "__main__":
    sys.exit(main())
