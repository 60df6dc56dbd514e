# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# daywright: answers on standard output; refusals on standard error, status 1; bad input, 2.
set -eu
daywright=$1
XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
export XDG_DATA_HOME XDG_CONFIG_HOME LC_ALL=en_GB.UTF-8
trap 'rm -rf "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"' EXIT
test "$("$daywright" --between 2026-12-19 06/01/2027 2>/dev/null | wc -l)" = 3
status() { "$daywright" "$@" >/dev/null 2>&1 && echo 0 || echo $?; }
test "$(status --days-from today 2.5)" = 1
test "$("$daywright" --days-from today 2.5 2>&1 >/dev/null)" \
    = "daywright: Date box error, please enter a whole number"
"$daywright" --between tomorrow today 2>&1 | grep -q '^Usage: daywright'
test "$(status --between tomorrow today)" = 2
test "$(status --between 2026-12-19)" = 2
test "$("$daywright" --calendar persian --between 2025-03-20 01/01/1405 | head -n 1)" \
    = "The number of days from 30/12/1403 to 01/01/1405 is  366"
test "$("$daywright" --calendar persian --iso --days-from 2025-03-20 1 | head -n 1)" \
    = "2025-03-21 is  1 days from 2025-03-20"
test "$(status --calendar julian --between today today)" = 2
