// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

// The span of days the calendar shades and sums up. While an anchor is set, the span runs from
// it to the day the user points at or moves the selection to; otherwise, and when the pointer
// leaves the days, the last answer's span stays shown.
struct CalendarSpan
{
    QDate anchor;
    bool anchorMarked = false; // the first date of a pair, drawn as such
    QDate answerFrom;
    QDate answerTo;

    bool operator==(const CalendarSpan &) const = default;
};

// Counted as the day count is: the days after from, up to and including to, that fall in the
// working week; negative when to lies before from.
qint64 workingDaysBetween(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek);

// "19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 13 working days", with the dates in the
// region's short format and its own working week.
QString spanSummary(QDate from, QDate to, const QLocale &locale);
