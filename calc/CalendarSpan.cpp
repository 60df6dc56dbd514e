// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which days the calendar's span counts, and how many of them are working days.
#include "CalendarSpan.h"

#include "Calendar.h"

CalendarSpan SpanRule::shownWhilePointingAt(QDate pointed) const
{
    const QDate firstDate = startIsFirstDate ? start : QDate();
    if (start.isValid() && pointed.isValid())
        return {start, pointed, firstDate};
    return {answerFrom, answerTo, firstDate};
}

MonthsAndDays MonthsAndDays::between(QDate from, QDate to, const Calendar &calendar)
{
    const QDate earlier = std::min(from, to);
    const QDate later = std::max(from, to);
    // The months between the two dates' months, one fewer where a day of the month is not
    // reached.
    int months = calendar.monthsBetween(earlier, later);
    if (calendar.addMonths(earlier, months) > later)
        --months;
    const QDate monthsOn = calendar.addMonths(earlier, months);
    // The whole years within them: those between the two months' years, or one fewer where the
    // earlier date's month, by name, is not reached in the last year.
    int years = calendar.year(monthsOn) - calendar.year(earlier);
    const auto monthsOfYears
            = [&] { return calendar.monthsBetween(earlier, calendar.addYears(earlier, years)); };
    if (monthsOfYears() > months)
        --years;
    const qint64 sign = to < from ? -1 : 1;
    return {sign * years, sign * (months - monthsOfYears()), sign * monthsOn.daysTo(later)};
}

qint64 workingDaysBetween(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek)
{
    if (to < from)
        return -workingDaysBetween(to, from, workingWeek);
    // Whole weeks hold every working day once; the days left over are looked at one by one.
    const qint64 days = from.daysTo(to);
    qint64 working = days / 7 * workingWeek.size();
    for (QDate day = from.addDays(days / 7 * 7 + 1); day <= to; day = day.addDays(1))
        working += workingWeek.contains(Qt::DayOfWeek(day.dayOfWeek()));
    return working;
}
