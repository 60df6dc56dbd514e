# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# daywright CALENDAR: imports, lists and removes a holiday calendar from the command line.
set -eu
daywright=$1
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
test "$("$daywright" --import-holidays "$2")" = "seed-01: 7979 holiday days, 1 event skipped (Carols: a time, not a whole day)"
# The choice of days off the window keeps beside the calendar: Winter break (24-26 December 2026)
# left out, Christmas, which shares a day with it, counts alone; kept by an import of the same name,
# where a new name counts and one gone is not listed; damaged, reported and everything counted.
choice=$XDG_DATA_HOME/daywright/holidays/seed-01.days-off.json
echo '{"notCounted": ["Winter break"]}' >"$choice"
test "$("$daywright" --iso --between 2026-12-20 2027-01-10 | tail -n 1)" = \
    "2026-12-20 to 2027-01-10: 21 days (3 weeks 0 days), 14 working days (1 holiday)"
sed 's/Easter Monday/Whit Monday/' "$2" >"$XDG_DATA_HOME/seed-01"
test "$("$daywright" --import-holidays "$XDG_DATA_HOME/seed-01")" = "seed-01: 7977 holiday days, 1 event skipped (Carols: a time, not a whole day)"
test "$("$daywright" --list-holidays seed-01)" = "Christmas Day: day off
Whit Monday: day off
Winter break: not a day off"
echo '{"notCounted": "Winter break"}' >"$choice"
test "$("$daywright" --iso --between 2026-12-20 2027-01-10 2>"$XDG_DATA_HOME/said" | tail -n 1)" = \
    "2026-12-20 to 2027-01-10: 21 days (3 weeks 0 days), 13 working days (2 holidays)"
test "$(cat "$XDG_DATA_HOME/said")" = "daywright: seed-01: which events are days off cannot be read ($choice is damaged), so every event counts"
test "$("$daywright" --list-holidays national 2>&1 || echo failed)" = "daywright: no holiday calendar is named 'national'
failed"
# A refused file says why, on standard error, and changes nothing.
if "$daywright" --import-holidays /dev/null 2>/dev/null; then exit 1; fi
test "$("$daywright" --import-holidays /dev/null 2>&1)" = "daywright: /dev/null: it is not an iCalendar file"
test "$("$daywright" --list-holidays)" = seed-01
# Without a home folder nothing is stored under the root folder.
test "$(env -u HOME -u XDG_DATA_HOME "$daywright" --import-holidays "$2" 2>&1 || echo failed)" = \
    "daywright: $2: there is no folder to keep it in without a home folder: set HOME or XDG_DATA_HOME
failed"
"$daywright" --remove-holidays seed-01
test -z "$("$daywright" --list-holidays)" && test ! -e "$choice"
if "$daywright" --remove-holidays seed-01 2>/dev/null; then exit 1; fi
