# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# daywright: date questions answered on standard output, refusals on standard error with the
# program's own message and status 1, a malformed command or an unreadable date with status 2.
set -eu
daywright=$1
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME LC_ALL=en_GB.UTF-8
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
test "$("$daywright" --between 2026-12-19 06/01/2027 2>&1)" = "$(printf '%s\n' \
    "The number of days from 19/12/2026 to 06/01/2027 is  18" "That is 2 Weeks and 4 Days." \
    "19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 13 working days")"
status() { "$daywright" "$@" >/dev/null 2>&1 && echo 0 || echo $?; }
test "$(status --days-from today 2.5)" = 1
test "$("$daywright" --days-from today 2.5 2>&1 >/dev/null)" \
    = "daywright: Date box error, please enter a whole number"
test -z "$("$daywright" --days-from today 2.5 2>/dev/null)"
test "$(status --between tomorrow today)" = 2
"$daywright" --between tomorrow today 2>&1 | grep -q '^Usage: daywright'
test "$(status --between 2026-12-19)" = 2
