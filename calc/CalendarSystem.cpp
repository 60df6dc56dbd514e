// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three calendars on offer, by name and by region.
#include "CalendarSystem.h"

QCalendar calendarOf(CalendarSystem system)
{
    switch (system) {
    case CalendarSystem::Persian:
        return QCalendar(QCalendar::System::Jalali);
    case CalendarSystem::Islamic:
        // Tabular: official dates, which follow the moon, may differ by a day or two.
        return QCalendar(QCalendar::System::IslamicCivil);
    case CalendarSystem::Gregorian:
        break;
    }
    return QCalendar(QCalendar::System::Gregorian);
}

int monthsBetween(QDate from, QDate to, QCalendar calendar)
{
    const QCalendar::YearMonthDay start = calendar.partsFromDate(from);
    const QCalendar::YearMonthDay end = calendar.partsFromDate(to);
    return (end.year - start.year) * 12 + end.month - start.month;
}

CalendarSystem defaultCalendarFor(const QLocale &region)
{
    const bool persian = (region.language() == QLocale::Persian
                          && (region.territory() == QLocale::Iran
                              || region.territory() == QLocale::Afghanistan))
            || (region.language() == QLocale::Pashto && region.territory() == QLocale::Afghanistan);
    return persian ? CalendarSystem::Persian : CalendarSystem::Gregorian;
}

std::optional<CalendarSystem> calendarNamed(const QString &name)
{
    for (CalendarSystem system :
         {CalendarSystem::Gregorian, CalendarSystem::Persian, CalendarSystem::Islamic}) {
        if (name.compare(nameOf(system), Qt::CaseInsensitive) == 0)
            return system;
    }
    return std::nullopt;
}

QString nameOf(CalendarSystem system)
{
    switch (system) {
    case CalendarSystem::Persian:
        return QStringLiteral("persian");
    case CalendarSystem::Islamic:
        return QStringLiteral("islamic");
    case CalendarSystem::Gregorian:
        break;
    }
    return QStringLiteral("gregorian");
}
