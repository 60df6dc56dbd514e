// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MonthCalendar;

// What assistive technology learns of the calendar: a list whose one item is the selected day,
// named by its date with the weekday, so that a screen reader says it when the calendar takes
// the focus and whenever the selection moves.
void installAccessibleMonthCalendar();
void announceSelectedDate(MonthCalendar *calendar);
