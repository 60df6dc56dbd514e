// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the months of one calendar page, and the days within them, lie in the calendar's area:
// up to four months across and three down, each a title row, a row of weekday names and six
// weeks. The months are those of the calendar the user chose.
#pragma once

#include "CalendarSystem.h"

#include <QDate>
#include <QRect>
#include <QSize>

class MonthGrid
{
public:
    static constexpr int maximumMonthColumns = 4;
    static constexpr int maximumMonthRows = 3;

    // The shape is how many months go across and down. With week numbers, each month gives them
    // a column of their own, before its days. Right to left, the months and each week run from
    // the right.
    MonthGrid(QRect area, QDate pageStart, Qt::DayOfWeek firstDayOfWeek, QSize shape,
              bool weekNumbers = false,
              const Calendar &calendar = calendarOf(CalendarSystem::Gregorian),
              Qt::LayoutDirection direction = Qt::LeftToRight);

    const Calendar &calendar() const { return *m_calendar; }
    int monthsPerPage() const { return m_shape.width() * m_shape.height(); }
    // The first day of the page's month at index 0 to monthsPerPage() - 1.
    QDate month(int index) const { return m_calendar->addMonths(m_pageStart, index); }
    int daysInMonth(int index) const { return m_calendar->daysInMonth(month(index)); }
    QRect monthRect(int index) const;
    QRect titleRect(int index) const { return cellRect(index, 0, 0, 7 + dayColumn); }
    QRect weekdayRect(int index, int column) const
    {
        return cellRect(index, 1, column + dayColumn, 1);
    }
    Qt::DayOfWeek weekdayInColumn(int column) const;

    // Null where the date is not on the page.
    QRect dayRect(QDate date) const;
    // Null where the point is on no day.
    QDate dateAt(QPoint point) const;
    // The index of the month whose title holds the point, or -1.
    int titleAt(QPoint point) const;

    // The week rows of a month, 4 to 6, and where each one's number goes.
    int weekRows(int index) const;
    QRect weekNumberRect(int index, int row) const { return cellRect(index, 2 + row, 0, 1); }
    // The ISO 8601 week of the row's Thursday: a row starting on a Sunday or a Saturday takes the
    // number of the week that holds most of its days.
    int weekNumber(int index, int row) const;
    static int weekNumberOf(QDate day, Qt::DayOfWeek firstDayOfWeek);

private:
    static constexpr int rowsPerMonth = 8;
    static constexpr int gap = 6;

    QRect cellRect(int index, int row, int column, int columnSpan) const;
    int leadingBlanks(QDate firstOfMonth) const;

    QRect m_area;
    QDate m_pageStart;
    Qt::DayOfWeek m_firstDayOfWeek;
    QSize m_shape;
    const Calendar *m_calendar;
    bool m_rightToLeft;
    int dayColumn; // 1 with week numbers before the days, else 0
};
