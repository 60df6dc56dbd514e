#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program over the AT-SPI bus as a screen reader does: the calendar's selected
day is named by its weekday and date, takes the focus with the calendar and follows the selection,
the span under the months is spoken, and a pick announces the new instruction and results.
Usage: atspi_calendar.py PROGRAM (with a display, a D-Bus session and LANG=en_GB.UTF-8)."""
import datetime
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []


def wait_for(what, condition):
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        if value := condition():
            return value
        time.sleep(0.05)
    sys.exit(f"atspi: timed out waiting for {what}")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and a.name == name)


def spoken(day):
    return f"{day:%A}, {day.day} {day:%B} {day.year}"


def was_heard(kind, name_test):
    return any(k == f"object:{kind}" and name and name_test(name) for k, name in heard)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        pyatspi.Registry.registerEventListener(
            lambda event: heard.append((event.type, event.source and event.source.name)),
            "object:state-changed:focused", "object:text-changed:insert",
            "object:property-change:accessible-name")
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program",
                       lambda: next((a for a in desktop if a and a.name == "daywright"), None))
        calendar = wait_for("the calendar", lambda: find(app, "list", "Calendar"))
        today = datetime.date.today()
        tomorrow = today + datetime.timedelta(days=1)
        day = calendar.getChildAtIndex(0)
        wait_for("the selected day as a named list item",
                 lambda: day.getRoleName() == "list item" and day.name == spoken(today))
        wait_for("the month button",
                 lambda: find(app, "push button", f"{today:%B}, first month shown"))

        # The window takes the keyboard, then the screen reader moves the focus to the calendar.
        window = subprocess.check_output(
            ["xdotool", "search", "--name", "calulator v5\\.0"], text=True).split()[0]
        subprocess.check_call(["xdotool", "windowfocus", "--sync", window])
        calendar.queryComponent().grabFocus()
        wait_for("the day's focus", lambda: day.getState().contains(pyatspi.STATE_FOCUSED)
                 and was_heard("state-changed:focused", lambda name: name == spoken(today)))
        subprocess.check_call(["xdotool", "key", "Right"])
        wait_for("the name to follow the selection", lambda: day.name == spoken(tomorrow))
        wait_for("the span's summary", lambda: was_heard(
            "property-change:accessible-name",
            lambda name: name.startswith(f"{today:%d/%m/%Y} to {tomorrow:%d/%m/%Y}: 1 day")))

        # Days between two dates: the first pick changes the instruction and the results.
        find(app, "combo box", "Days from now").queryAction().doAction(0)
        subprocess.check_call(["xdotool", "key", "Down", "Return"])
        calendar.queryComponent().grabFocus()
        subprocess.check_call(["xdotool", "key", "Return"])
        wait_for("the new instruction", lambda: was_heard(
            "property-change:accessible-name", lambda name: name.startswith("Select second date")))
        wait_for("the new results",
                 lambda: was_heard("text-changed:insert", lambda name: name == "Results window"))
        print("6 passed, 0 failed")
        return 0
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    sys.exit(main())
