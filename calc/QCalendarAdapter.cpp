// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's calendars behind the program's calendar interface.
#include "QCalendarAdapter.h"

QCalendarAdapter::QCalendarAdapter(QCalendar::System system)
    : m_calendar(system)
{ }

Calendar::Parts QCalendarAdapter::partsFromDate(QDate date) const
{
    const QCalendar::YearMonthDay parts = m_calendar.partsFromDate(date);
    return {parts.year, parts.month, parts.day};
}

QDate QCalendarAdapter::dateFromParts(int year, int month, int day) const
{
    return QDate(year, month, day, m_calendar);
}

int QCalendarAdapter::daysInMonth(int year, int month) const
{
    return m_calendar.daysInMonth(month, year);
}

QString QCalendarAdapter::monthName(const QLocale &locale, int, int month) const
{
    return m_calendar.standaloneMonthName(locale, month);
}

QDate QCalendarAdapter::addMonths(QDate date, int months) const
{
    return date.addMonths(months, m_calendar);
}

QDate QCalendarAdapter::addYears(QDate date, int years) const
{
    return date.addYears(years, m_calendar);
}

int QCalendarAdapter::monthsBetween(QDate from, QDate to) const
{
    const QCalendar::YearMonthDay start = m_calendar.partsFromDate(from);
    const QCalendar::YearMonthDay end = m_calendar.partsFromDate(to);
    return (end.year - start.year) * 12 + end.month - start.month;
}

QString QCalendarAdapter::toString(QDate date, const QLocale &locale, const QString &format) const
{
    return locale.toString(date, format, m_calendar);
}

QString QCalendarAdapter::toString(QDate date, const QLocale &locale,
                                   QLocale::FormatType format) const
{
    return locale.toString(date, format, m_calendar);
}

QDate QCalendarAdapter::toDate(const QString &text, const QLocale &locale,
                               const QString &format) const
{
    return locale.toDate(text, format, m_calendar);
}
