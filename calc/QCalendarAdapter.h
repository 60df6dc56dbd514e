// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendars Qt knows, through QCalendar.
#pragma once

#include "Calendar.h"

#include <QCalendar>

// Qt's calendars on offer all have twelve months a year, so stepping by a month's number is
// stepping by a month; QDate's and QLocale's own arithmetic, names and formats serve them.
class QCalendarAdapter : public Calendar
{
public:
    explicit QCalendarAdapter(QCalendar::System system);

    Parts partsFromDate(QDate date) const override;
    QDate dateFromParts(int year, int month, int day) const override;
    int monthsInYear(int year) const override { return m_calendar.monthsInYear(year); }
    int daysInMonth(int year, int month) const override;
    QString monthName(const QLocale &locale, int year, int month) const override;
    QDate addMonths(QDate date, int months) const override;
    QDate addYears(QDate date, int years) const override;
    int monthsBetween(QDate from, QDate to) const override;
    QString toString(QDate date, const QLocale &locale, const QString &format) const override;
    QString toString(QDate date, const QLocale &locale, QLocale::FormatType format) const override;
    QDate toDate(const QString &text, const QLocale &locale, const QString &format) const override;

private:
    QCalendar m_calendar;
};
