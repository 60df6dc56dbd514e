// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar the user's dates are written, paged and counted in months and years by.
#pragma once

#include "Calendar.h"

#include <QLocale>
#include <QString>

#include <optional>

// Days, weeks and working days do not depend on it: a day is a day.
enum class CalendarSystem { Gregorian, Persian, Islamic, Hebrew };

// One for the program's whole run.
const Calendar &calendarOf(CalendarSystem system);
// Persian in Iran and Afghanistan (fa_IR, fa_AF, ps_AF), whose people live by it; Gregorian
// elsewhere. Qt's locales choose none.
CalendarSystem defaultCalendarFor(const QLocale &region);
// "gregorian", "persian", "islamic" or "hebrew", as the command line and the settings name them.
std::optional<CalendarSystem> calendarNamed(const QString &name);
QString nameOf(CalendarSystem system);
