// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of a page of months: where each month, title, weekday name and day lies.
#include "MonthGrid.h"

namespace {

// Splits length into equal parts without losing the remainder: the edge of part i.
int edge(int length, int parts, int i)
{
    return length * i / parts;
}

} // namespace

MonthGrid::MonthGrid(QRect area, QDate pageStart, Qt::DayOfWeek firstDayOfWeek, QSize shape,
                     bool weekNumbers, const Calendar &calendar, Qt::LayoutDirection direction)
    : m_area(area)
    , m_pageStart(pageStart)
    , m_firstDayOfWeek(firstDayOfWeek)
    , m_shape(shape)
    , m_calendar(&calendar)
    , m_rightToLeft(direction == Qt::RightToLeft)
    , dayColumn(weekNumbers ? 1 : 0)
{ }

QRect MonthGrid::monthRect(int index) const
{
    const int columns = m_shape.width();
    const int column = m_rightToLeft ? columns - 1 - index % columns : index % columns;
    const int row = index / columns;
    const int width = m_area.width() - gap;
    const int height = m_area.height() - gap;
    const QPoint topLeft(m_area.left() + gap + edge(width, columns, column),
                         m_area.top() + gap + edge(height, m_shape.height(), row));
    const QPoint bottomRight(m_area.left() + edge(width, columns, column + 1) - 1,
                             m_area.top() + edge(height, m_shape.height(), row + 1) - 1);
    return QRect(topLeft, bottomRight);
}

QRect MonthGrid::cellRect(int index, int row, int column, int columnSpan) const
{
    const QRect month = monthRect(index);
    const int columns = 7 + dayColumn;
    if (m_rightToLeft)
        column = columns - column - columnSpan;
    const QPoint topLeft(month.left() + edge(month.width(), columns, column),
                         month.top() + edge(month.height(), rowsPerMonth, row));
    const QPoint bottomRight(month.left() + edge(month.width(), columns, column + columnSpan) - 1,
                             month.top() + edge(month.height(), rowsPerMonth, row + 1) - 1);
    return QRect(topLeft, bottomRight);
}

Qt::DayOfWeek MonthGrid::weekdayInColumn(int column) const
{
    return Qt::DayOfWeek((m_firstDayOfWeek - 1 + column) % 7 + 1);
}

int MonthGrid::leadingBlanks(QDate firstOfMonth) const
{
    return (firstOfMonth.dayOfWeek() - m_firstDayOfWeek + 7) % 7;
}

QRect MonthGrid::dayRect(QDate date) const
{
    if (!date.isValid())
        return QRect();
    const int index = m_calendar->monthsBetween(m_pageStart, date);
    if (index < 0 || index >= monthsPerPage())
        return QRect();
    const int position = leadingBlanks(month(index)) + m_calendar->day(date) - 1;
    return cellRect(index, 2 + position / 7, dayColumn + position % 7, 1);
}

int MonthGrid::weekRows(int index) const
{
    return (leadingBlanks(month(index)) + daysInMonth(index) + 6) / 7;
}

int MonthGrid::weekNumber(int index, int row) const
{
    const QDate first = month(index);
    return weekNumberOf(first.addDays(7 * row - leadingBlanks(first)), m_firstDayOfWeek);
}

int MonthGrid::weekNumberOf(QDate day, Qt::DayOfWeek firstDayOfWeek)
{
    const QDate rowStart = day.addDays(-((day.dayOfWeek() - firstDayOfWeek + 7) % 7));
    return rowStart.addDays((Qt::Thursday - firstDayOfWeek + 7) % 7).weekNumber();
}

QDate MonthGrid::dateAt(QPoint point) const
{
    for (int index = 0; index < monthsPerPage(); ++index) {
        if (!monthRect(index).contains(point))
            continue;
        // Asking each day for its cell keeps hit testing exactly in step with painting.
        const QDate first = month(index);
        const int days = daysInMonth(index);
        for (int day = 0; day < days; ++day) {
            if (dayRect(first.addDays(day)).contains(point))
                return first.addDays(day);
        }
        return QDate();
    }
    return QDate();
}

int MonthGrid::titleAt(QPoint point) const
{
    for (int index = 0; index < monthsPerPage(); ++index) {
        if (titleRect(index).contains(point))
            return index;
    }
    return -1;
}
