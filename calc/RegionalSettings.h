// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The regions the program follows, chosen as the C library chooses its categories: dates (the
// results, the calendar's names and first weekday) by the time category, typed numbers by the
// numeric category. The calendar follows the time region unless the user chose another.
#pragma once

#include "CalendarSystem.h"

#include <QLocale>

struct RegionalSettings
{
    QLocale dates;
    QLocale numbers;
    CalendarSystem calendar = defaultCalendarFor(dates);

    // From LC_ALL, else LC_TIME or LC_NUMERIC, else LANG; C where none is set.
    static RegionalSettings fromEnvironment();
    static RegionalSettings of(const QLocale &locale) { return {locale, locale}; }
    RegionalSettings withCalendar(CalendarSystem chosen) const
    {
        RegionalSettings settings = *this;
        settings.calendar = chosen;
        return settings;
    }
};
