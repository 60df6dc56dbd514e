# SPDX-FileCopyrightText: 2026 The Daywright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# daywright: answers in the user's language, in English where English comes first or the locale is
# C, and refuses in the language too, Qt's own reasons included.
set -eu
daywright=$1
XDG_DATA_HOME=$(mktemp -d)
XDG_CONFIG_HOME=$XDG_DATA_HOME
export XDG_DATA_HOME XDG_CONFIG_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
unset LC_ALL LC_MESSAGES LC_TIME LC_NUMERIC LANGUAGE
between() { env "$@" "$daywright" --between 2026-12-19 2027-03-06; }
test "$(between LANG=de_DE.UTF-8 LANGUAGE=en:de)" = "The number of days from 19.12.2026 to 06.03.2027 is  77
That is 11 Weeks and 0 Days.
19.12.2026 to 06.03.2027: 77 days (11 weeks 0 days; 2 months 15 days), 55 working days"
test "$(between LANG=de_DE.UTF-8 LANGUAGE=ko:de)" = "Vom 19.12.2026 bis zum 06.03.2027 sind es  77 Tage
Das entspricht 11 Wochen und 0 Tage.
19.12.2026 bis 06.03.2027: 77 Tage (11 Wochen und 0 Tage; 2 Monate und 15 Tage), 55 Arbeitstage"
test "$(between LC_ALL=C LANGUAGE=de)" = "The number of days from 2026-12-19 to 2027-03-06 is  77
That is 11 Weeks and 0 Days.
2026-12-19 to 2027-03-06: 77 days (11 weeks 0 days; 2 months 15 days), 55 working days"
test "$(env LANG=de_DE.UTF-8 "$daywright" --frobnicate 2>&1 || true)" = "daywright: Unbekannte Option 'frobnicate'.
'daywright --help' liefert weitere Informationen."
