# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# daywright CALENDAR: imports, lists and removes a holiday calendar from the command line.
set -eu
daywright=$1
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
test "$("$daywright" --import-holidays "$2")" = "seed-01: 7979 holiday days, 1 event skipped (Carols: a time, not a whole day)"
test "$("$daywright" --list-holidays)" = seed-01
# A refused file says why, on standard error, and changes nothing.
if "$daywright" --import-holidays /dev/null 2>/dev/null; then exit 1; fi
test "$("$daywright" --import-holidays /dev/null 2>&1)" = "daywright: /dev/null: it is not an iCalendar file"
test "$("$daywright" --list-holidays)" = seed-01
# Without a home folder nothing is stored under the root folder.
test "$(env -u HOME -u XDG_DATA_HOME "$daywright" --import-holidays "$2" 2>&1 || echo failed)" = \
    "daywright: $2: there is no folder to keep it in without a home folder: set HOME or XDG_DATA_HOME
failed"
"$daywright" --remove-holidays seed-01
test -z "$("$daywright" --list-holidays)"
if "$daywright" --remove-holidays seed-01 2>/dev/null; then exit 1; fi
