// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Public holidays by day, with their names, from one or several calendars.
#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>

// A day that two calendars make a holiday counts once, with both names. Yearly rules without an
// end are kept as series that come back every 400 years, the Gregorian calendar's whole cycle
// (146097 days, 20871 weeks: weekdays included), so that the holidays of all the years to 9999
// take the room of 400. Days outside the calendar's range are never holidays.
class Holidays
{
public:
    static constexpr qint64 cycleDays = 146097;
    // A day's place in the cycle, counted from a fixed day: the same for the days 400 years apart.
    static qint64 placeInCycle(QDate day);

    void add(QDate day, const QString &name);
    // The day, and the same day every 400 years after it to the end of the range.
    void addEvery400Years(QDate from, const QString &name);
    void merge(const Holidays &other);

    // The holidays but those of the names given: a day that only they name is none. A calendar
    // mixes days off with observances and working days, which the user leaves out by name.
    Holidays without(const QSet<QString> &names) const;
    // Every name the holidays go by, each once, in no particular order.
    QStringList eventNames() const;

    bool isEmpty() const { return m_days.isEmpty() && m_series.isEmpty(); }
    // The holiday days across the calendar's range.
    qint64 dayCount() const;
    // Empty on a day that is no holiday.
    QStringList names(QDate day) const;
    bool operator==(const Holidays &) const = default;

    // Counted as working days are: the holidays after from, up to and including to, that fall in
    // the working week; negative when to lies before from.
    qint64 onWorkingDaysBetween(QDate from, QDate to,
                                const QList<Qt::DayOfWeek> &workingWeek) const;

private:
    struct Series
    {
        QDate from;
        QString name;
        bool operator==(const Series &) const = default;
    };
    // The series' days after from, up to and including to.
    qint64 seriesDaysBetween(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek) const;
    bool isSeriesDay(QDate day) const;

    QMap<QDate, QStringList> m_days;
    // By the day's place in the 400-year cycle; each place's series in the order they began.
    QMap<qint64, QList<Series>> m_series;
};
