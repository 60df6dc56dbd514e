// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every answer depends on, held once: the regions, the calendar, the working week, the
// holidays, whether week numbers are shown, and today.
#pragma once

#include "CalendarSystem.h"
#include "Holidays.h"
#include "RegionalSettings.h"
#include "Today.h"

#include <QList>
#include <QObject>

#include <optional>

// The calculator, the calendar and the command line read it whenever they need a value, and
// listen for the change signals to show what changed; none of them keeps a copy. Menus and the
// settings change it; a setter that changes nothing announces nothing, but for the calendar's.
class DayContext : public QObject
{
    Q_OBJECT

public:
    // The calendar is the region's own, the working week the region's.
    DayContext(Today::Clock clock, const RegionalSettings &regions, QObject *parent = nullptr);

    const RegionalSettings &regions() const { return m_regions; }
    void setRegions(const RegionalSettings &regions);

    CalendarSystem calendarSystem() const { return m_calendarSystem; }
    const Calendar &calendar() const { return *m_calendar; }
    // Announced on every call, the calendar in use chosen again too: the settings keep each
    // choice, also of the calendar a run was started with.
    void setCalendarSystem(CalendarSystem system);

    // The week chosen, or else the region's; Monday first.
    const QList<Qt::DayOfWeek> &workingWeek() const { return m_workingWeek; }
    bool workingWeekIsRegions() const { return !m_workingWeekChosen; }
    // A week chosen, or none to follow the region's again. A week without a working day is
    // refused: false, and nothing changes.
    bool setWorkingWeek(const std::optional<QList<Qt::DayOfWeek>> &week);

    const Holidays &holidays() const { return m_holidays; }
    void setHolidays(const Holidays &holidays);

    bool weekNumbersShown() const { return m_weekNumbersShown; }
    void setWeekNumbersShown(bool shown);

    // Announces a new day with its own signal, dateChanged().
    Today &today() { return m_today; }

signals:
    void regionsChanged();
    void calendarChanged();
    void workingWeekChanged();
    void holidaysChanged();
    void weekNumbersShownChanged(bool shown);

private:
    Today m_today;
    RegionalSettings m_regions;
    CalendarSystem m_calendarSystem;
    const Calendar *m_calendar; // the system's
    QList<Qt::DayOfWeek> m_workingWeek;
    bool m_workingWeekChosen = false;
    Holidays m_holidays;
    bool m_weekNumbersShown = false;
};
