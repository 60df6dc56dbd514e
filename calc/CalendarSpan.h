// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The span of days the calendar shades and sums up, and which days it counts.
#pragma once

#include <QDate>
#include <QList>

class Calendar;

// What the calendar shows: the days from one end to the other shaded, and a held first date
// marked.
struct CalendarSpan
{
    QDate from; // null while no span is shown
    QDate to;
    QDate firstDate; // null while no first date is held

    bool operator==(const CalendarSpan &) const = default;
};

// What the span counts. While it has a start (today, or a held first date) and the user points at
// a day or moves the selection to one, it runs from the start to that day; otherwise, and once
// the pointer leaves the days, the last answer's span stays shown.
struct SpanRule
{
    // Each has its default, so that a rule names only what it sets.
    QDate start = {}; // null where pointing counts nothing
    bool startIsFirstDate = false;
    QDate answerFrom = {}; // null before the first answer
    QDate answerTo = {};

    CalendarSpan shownWhilePointingAt(QDate pointed) const;
};

// Counted as the day count is: the days after from, up to and including to, that fall in the
// working week; negative when to lies before from.
qint64 workingDaysBetween(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek);

// A span in calendar units, counted from the earlier date: the most whole months that fit (by
// QDate's month-end rule, 31 January and a month is the end of February), of them the whole years
// as people count them (twelve months, or in the Hebrew calendar twelve or thirteen), then the
// days left; every figure negative when to lies before from.
struct MonthsAndDays
{
    qint64 years = 0;
    qint64 months = 0; // under a year's
    qint64 days = 0;

    // In the calendar's own months and years, by its month-end rule.
    static MonthsAndDays between(QDate from, QDate to, const Calendar &calendar);
    bool isUnderAMonth() const { return years == 0 && months == 0; }
};
