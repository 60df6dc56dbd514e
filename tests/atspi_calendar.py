#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program as a screen reader does, over the AT-SPI bus: the calendar's
selected day is named by its date and weekday, it takes the focus when the calendar does, its
name follows the selection, the span under the months is spoken as it changes, and a pick
announces the new results and instruction.
Usage: atspi_calendar.py PROGRAM (with a display, a D-Bus session and LANG=en_GB.UTF-8)."""
import datetime
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []


def listen(event):
    heard.append((event.type, event.source.name if event.source else None))


def wait_for(what, condition, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    sys.exit(f"atspi: timed out waiting for {what}")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and a.name == name)


def spoken(day):
    return f"{day:%A}, {day.day} {day:%B} {day.year}"


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        pyatspi.Registry.registerEventListener(
            listen, "object:state-changed:focused", "object:text-changed:insert",
            "object:property-change:accessible-name")
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program on the bus",
                       lambda: next((a for a in desktop if a and a.name == "daywright"), None))
        calendar = wait_for("the calendar", lambda: find(app, "list", "Calendar"))
        today = datetime.date.today()
        day = calendar.getChildAtIndex(0)
        checks = [
            ("selected day", day.getRoleName(), "list item"),
            ("its name", day.name, spoken(today)),
            ("month button", bool(find(app, "push button", f"{today:%B}, first month shown")),
             True),
        ]
        # The window takes the keyboard, then the screen reader moves the focus to the calendar.
        window = subprocess.check_output(
            ["xdotool", "search", "--name", "calulator v5\\.0"], text=True).split()[0]
        subprocess.check_call(["xdotool", "windowfocus", "--sync", window])
        calendar.queryComponent().grabFocus()
        wait_for("the day's focus",
                 lambda: day.getState().contains(pyatspi.STATE_FOCUSED)
                 and ("object:state-changed:focused", spoken(today)) in heard)
        subprocess.check_call(["xdotool", "key", "Right"])
        tomorrow = today + datetime.timedelta(days=1)
        wait_for("the name to follow the selection", lambda: day.name == spoken(tomorrow))
        # The span under the months is spoken too: from today to the day moved to.
        wait_for("the span's summary", lambda: any(
            kind == "object:property-change:accessible-name" and name
            and name.startswith(f"{today:%d/%m/%Y} to {tomorrow:%d/%m/%Y}: 1 day") for kind, name in heard))

        # Days between two dates: the first pick changes the instruction and the results.
        types = find(app, "combo box", "Days from now")
        types.queryAction().doAction(0)
        subprocess.check_call(["xdotool", "key", "Down", "Return"])
        calendar.queryComponent().grabFocus()
        subprocess.check_call(["xdotool", "key", "Return"])
        wait_for("the new instruction and results",
                 lambda: ("object:property-change:accessible-name",
                          "Select second date or enter a number of days in the Calculate Date box")
                 in heard and any(kind == "object:text-changed:insert"
                                  and name == "Results window" for kind, name in heard))
        failed = [(what, got, wanted) for what, got, wanted in checks if got != wanted]
        for what, got, wanted in failed:
            print(f"atspi: {what}: got {got!r}, wanted {wanted!r}")
        print(f"{3 + 2 - len(failed)} passed, {len(failed)} failed")
        return 1 if failed else 0
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    sys.exit(main())
