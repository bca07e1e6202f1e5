#!/usr/bin/python3
"""Prints what a screen reader is told by Orbane 1S while it runs, through AT-SPI.

  a11yevents.py SECONDS [KEYS]   for SECONDS, the name changes, alerts and announcements
                                 of the program, as "event | role | name"; KEYS ("ctrl+d")
                                 are typed to the program first, through AT-SPI

Run it under the same D-Bus session as the program (see run.sh beside this file).
"""
import sys

import pyatspi
from gi.repository import GLib

EVENTS = ['object:property-change:accessible-name', 'object:announcement',
          'window:create', 'object:state-changed:showing']
PROGRAM = 'orbane'


def report(event):
    app = event.host_application
    if app is None or PROGRAM not in (app.name or '').lower():
        return
    source = event.source
    print(f'{event.type} | {source.getRoleName()} | {source.name}', flush=True)


# X key codes of the evdev keyboard that Xvfb starts with.
MODIFIERS = {'ctrl': 37, 'shift': 50, 'alt': 64}
LETTERS = {c: 24 + i for i, c in enumerate('qwertyuiop')}
LETTERS.update({c: 38 + i for i, c in enumerate('asdfghjkl')})
LETTERS.update({c: 52 + i for i, c in enumerate('zxcvbnm')})


def type_keys(keys):
    # The keys go to the window under the pointer: Xvfb has no window manager to focus one.
    pyatspi.Registry.generateMouseEvent(1030, 805, 'b1c')
    parts = keys.lower().split('+')
    held = [MODIFIERS[p] for p in parts[:-1]]
    for code in held:
        pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(LETTERS[parts[-1]], None, pyatspi.KEY_PRESSRELEASE)
    for code in reversed(held):
        pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_RELEASE)
    return False


def main():
    seconds = float(sys.argv[1])
    pyatspi.Registry.registerEventListener(report, *EVENTS)
    if len(sys.argv) > 2:
        GLib.timeout_add(500, type_keys, sys.argv[2])
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()


if __name__ == '__main__':
    main()
