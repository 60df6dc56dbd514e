// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the day context and announces each change.
#include "DayContext.h"

#include "WorkingWeek.h"

DayContext::DayContext(Today::Clock clock, const RegionalSettings &regions, QObject *parent)
    : QObject(parent)
    , m_today(std::move(clock))
    , m_regions(regions)
    , m_calendarSystem(defaultCalendarFor(regions.dates))
    , m_calendar(&calendarOf(m_calendarSystem))
    , m_workingWeek(WorkingWeek::sorted(regions.dates.weekdays()))
{ }

void DayContext::setRegions(const RegionalSettings &regions)
{
    if (regions == m_regions)
        return;
    m_regions = regions;
    // Where none is chosen, the working week is the region's. Both are set before either is
    // announced.
    const QList<Qt::DayOfWeek> week
            = m_workingWeekChosen ? m_workingWeek : WorkingWeek::sorted(regions.dates.weekdays());
    const bool weekChanged = week != m_workingWeek;
    m_workingWeek = week;
    emit regionsChanged();
    if (weekChanged)
        emit workingWeekChanged();
}

void DayContext::setCalendarSystem(CalendarSystem system)
{
    m_calendarSystem = system;
    m_calendar = &calendarOf(system);
    emit calendarChanged();
}

bool DayContext::setWorkingWeek(const std::optional<QList<Qt::DayOfWeek>> &week)
{
    if (week && week->isEmpty())
        return false;
    const QList<Qt::DayOfWeek> days
            = WorkingWeek::sorted(week ? *week : m_regions.dates.weekdays());
    const bool changed = days != m_workingWeek || week.has_value() != m_workingWeekChosen;
    m_workingWeek = days;
    m_workingWeekChosen = week.has_value();
    if (changed)
        emit workingWeekChanged();
    return true;
}

void DayContext::setHolidays(const Holidays &holidays)
{
    if (holidays == m_holidays)
        return;
    m_holidays = holidays;
    emit holidaysChanged();
}

void DayContext::setWeekNumbersShown(bool shown)
{
    if (shown == m_weekNumbersShown)
        return;
    m_weekNumbersShown = shown;
    emit weekNumbersShownChanged(shown);
}
