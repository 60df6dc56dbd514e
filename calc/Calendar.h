// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar the user's dates are written, paged and counted in: its months and years, their
// names, and its dates written and read in a region's formats.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Months are numbered from 1 in the order the year runs through them, however many a year has;
// nothing outside a calendar steps by a month's number, since the same number can name another
// month in another year. A day is a day in every calendar: days and weeks are counted on QDate.
class Calendar
{
public:
    struct Parts
    {
        int year = 0;
        int month = 0;
        int day = 0;
    };

    virtual ~Calendar() = default;

    virtual Parts partsFromDate(QDate date) const = 0;
    // Null where the calendar has no such day.
    virtual QDate dateFromParts(int year, int month, int day) const = 0;
    virtual int monthsInYear(int year) const = 0;
    virtual int daysInMonth(int year, int month) const = 0;
    // The month's name on its own, as a title or a menu shows it, in the region's language.
    virtual QString monthName(const QLocale &locale, int year, int month) const = 0;

    // Months and years as people count them, a day past a shorter month's end becoming its last:
    // a month on from 31 January is the end of February.
    virtual QDate addMonths(QDate date, int months) const = 0;
    virtual QDate addYears(QDate date, int years) const = 0;
    // How many months the second date's month lies after the first date's.
    virtual int monthsBetween(QDate from, QDate to) const = 0;

    // In a date format of QLocale's letters, or the region's own short or long one.
    virtual QString toString(QDate date, const QLocale &locale, const QString &format) const = 0;
    virtual QString toString(QDate date, const QLocale &locale,
                             QLocale::FormatType format) const = 0;
    // Null where the text is no date of the format.
    virtual QDate toDate(const QString &text, const QLocale &locale,
                         const QString &format) const = 0;

    int year(QDate date) const { return partsFromDate(date).year; }
    int month(QDate date) const { return partsFromDate(date).month; }
    int day(QDate date) const { return partsFromDate(date).day; }
    int daysInMonth(QDate date) const
    {
        const Parts parts = partsFromDate(date);
        return daysInMonth(parts.year, parts.month);
    }
    QDate firstOfMonth(QDate date) const { return date.addDays(1 - day(date)); }
};
