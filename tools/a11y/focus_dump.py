"""Reads QUILL10 as a screen reader does, through AT-SPI: presses keys one
by one and prints, after each, the focused object's role, name,
description and value, and the window's title.

    /usr/bin/python3 tools/a11y/focus_dump.py [--delay MS] [--focused] KEY...

Run it through tools/a11y/run.sh, which starts a virtual screen, a session
bus, the AT-SPI registry and the program.  A KEY is an xdotool key name
("Tab", "Return", "F6", "ctrl+Next", "ctrl+alt+d") or "type:TEXT" to type
TEXT.  --focused also counts the objects that say they have the focus (one
is right).  It needs the distribution's own python3 with python3-pyatspi.
"""
import argparse
import subprocess
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = "QUILL10"  # the application name the program gives itself


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == APPLICATION:
            return app
    return None


def value_of(obj):
    """What the object holds: a number, its text, or a list's choice."""
    try:
        return str(obj.queryValue().currentValue)
    except NotImplementedError:
        pass
    try:
        text = obj.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        pass
    if obj.getRole() == pyatspi.ROLE_COMBO_BOX:
        for child in obj:
            try:
                selection = child.querySelection()
                if selection.nSelectedChildren:
                    return selection.getSelectedChild(0).name
            except NotImplementedError:
                continue
    return ""


def message_of(obj):
    """The text of the message box the object is in ("" outside one)."""
    while obj is not None and obj.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
        obj = obj.parent
    if obj is None or obj.getRole() != pyatspi.ROLE_ALERT:
        return ""
    labels = pyatspi.findAllDescendants(obj, lambda o: o.getRole() == pyatspi.ROLE_LABEL and o.name)
    return " | ".join(label.name.replace("\n", " ") for label in labels)


def active_title(app):
    """The title of the active window (a dialog over the main window is listed after it)."""
    titles = [w.name for w in app if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)]
    return titles[-1] if titles else ""


def focused_objects(obj, depth=0):
    """The showing objects under `obj` that say they have the focus."""
    if obj is None or depth > 40:
        return []
    state = obj.getState()
    if not state.contains(pyatspi.STATE_SHOWING) and depth > 1:
        return []
    found = [obj] if state.contains(pyatspi.STATE_FOCUSED) else []
    for child in obj:
        found += focused_objects(child, depth + 1)
    return found


def xdotool(*arguments):
    result = subprocess.run(["xdotool", *arguments], check=False, capture_output=True, text=True)
    return result.stdout.split()


def give_back_the_keyboard():
    """No window manager runs: when a window closes, the keyboard goes to the
    program's window that is still shown, as a window manager would give it."""
    shown = xdotool("search", "--onlyvisible", "--class", "quill10")
    focus = xdotool("getwindowfocus")
    if shown and (not focus or focus[0] not in shown):
        xdotool("windowfocus", "--sync", shown[-1])


class Reader:
    """Reads the start, then presses the keys one by one, reading after each."""

    def __init__(self, keys, focused):
        self.keys, self.focused = list(keys), focused
        self.current = None  # the object that last said it took the focus
        self.pressed = "(start)"
        self.step = 0

    def on_focus(self, event):
        if event.detail1:
            self.current = event.source

    def report(self):
        if self.current is None:  # before the first focus event: the object that has it
            app = application()
            self.current = app and pyatspi.findDescendant(app, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
        obj = self.current
        print("%-3d %-14s" % (self.step, self.pressed), end="")
        if obj is None:
            print(" (nothing focused)")
        else:
            print(" [%s] %s" % (obj.getRoleName(), obj.name))
            if obj.description:
                print("    description: %s" % obj.description)
            value = value_of(obj)
            if value and value != obj.name:
                print("    value: %s" % value)
            message = message_of(obj)
            if message:
                print("    message: %s" % message)
        app = application()
        if app is not None:
            print("    window: %s" % active_title(app))
            if self.focused:
                # The states as the program says them now, not as events left them.
                app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
                app.clearCache()
                claiming = focused_objects(app)
                print("    objects claiming the focus: %d%s" % (
                    len(claiming), "" if len(claiming) == 1 else " (%s)" % "; ".join(
                        "[%s] %s" % (o.getRoleName(), o.name) for o in claiming)))
        sys.stdout.flush()

    def next(self):
        try:
            self.report()
        except GLib.GError:  # the object is gone (a page shown since, a message closed)
            print("    (the focused object is gone)")
            self.current = None
        if self.step >= len(self.keys):
            pyatspi.Registry.stop()
            return False
        self.pressed = self.keys[self.step]
        self.step += 1
        give_back_the_keyboard()
        if self.pressed.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "30", self.pressed[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", self.pressed], check=True)
        return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--delay", type=int, default=1200, help="milliseconds to wait after each key")
    parser.add_argument("--focused", action="store_true", help="count the objects claiming the focus")
    parser.add_argument("keys", nargs="*")
    args = parser.parse_args()
    reader = Reader(args.keys, args.focused)
    pyatspi.Registry.registerEventListener(reader.on_focus, "object:state-changed:focused")
    GLib.timeout_add(args.delay, reader.next)
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
