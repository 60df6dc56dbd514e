// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendars on offer, by name and by region.
#include "CalendarSystem.h"

#include "HebrewCalendar.h"
#include "QCalendarAdapter.h"

const Calendar &calendarOf(CalendarSystem system)
{
    static const QCalendarAdapter gregorian(QCalendar::System::Gregorian);
    static const QCalendarAdapter persian(QCalendar::System::Jalali);
    // Tabular: official dates, which follow the moon, may differ by a day or two.
    static const QCalendarAdapter islamic(QCalendar::System::IslamicCivil);
    static const HebrewCalendar hebrew;
    switch (system) {
    case CalendarSystem::Persian:
        return persian;
    case CalendarSystem::Islamic:
        return islamic;
    case CalendarSystem::Hebrew:
        return hebrew;
    case CalendarSystem::Gregorian:
        break;
    }
    return gregorian;
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
    for (CalendarSystem system : {CalendarSystem::Gregorian, CalendarSystem::Persian,
                                  CalendarSystem::Islamic, CalendarSystem::Hebrew}) {
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
    case CalendarSystem::Hebrew:
        return QStringLiteral("hebrew");
    case CalendarSystem::Gregorian:
        break;
    }
    return QStringLiteral("gregorian");
}
