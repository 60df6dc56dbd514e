// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and writes working weeks, and counts working days forward and back.
#include "WorkingWeek.h"

#include "CalendarRange.h"
#include "CalendarSpan.h"

#include <algorithm>

namespace {

// Monday to Sunday, as ISO 8601 numbers them from 1.
const QStringList dayNames = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

std::optional<Qt::DayOfWeek> dayNamed(const QString &word)
{
    const QString name = word.trimmed().toLower();
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    const int iso = isNumber ? number : int(dayNames.indexOf(name)) + 1;
    if (iso < 1 || iso > 7)
        return std::nullopt;
    return Qt::DayOfWeek(iso);
}

// The day the count of working days reaches, leaving the holidays aside: whole weeks at a time,
// then day by day, at most a week, so that it lands on a working day.
QDate weekDaysFrom(QDate from, qint64 count, const WorkingWeek::Days &week)
{
    const int step = count < 0 ? -1 : 1;
    qint64 left = qAbs(count);
    const qint64 weeks = (left - 1) / week.size();
    QDate day = from.addDays(step * weeks * 7);
    for (left -= weeks * week.size(); left > 0;) {
        day = day.addDays(step);
        left -= week.contains(Qt::DayOfWeek(day.dayOfWeek()));
    }
    return day;
}

} // namespace

std::variant<WorkingWeek::Days, QString> WorkingWeek::read(const QString &text)
{
    Days days;
    for (const QString &item : text.split(u',')) {
        if (item.trimmed().isEmpty())
            continue;
        const QStringList ends = item.split(u'-');
        const auto first = dayNamed(ends.first()), last = dayNamed(ends.last());
        if (ends.size() > 2 || !first || !last)
            //: Refusing a --working-week value; %1 is the part that is no day. The English
            //: day names and the numbers are what the program reads in every language.
            return tr("'%1' is no day of the week: write mon to sun, or 1 to 7")
                    .arg(item.trimmed());
        for (int day = *first;; day = day % 7 + 1) {
            days << Qt::DayOfWeek(day);
            if (day == *last)
                break;
        }
    }
    if (days.isEmpty())
        return noWorkingDay();
    return sorted(days);
}

QString WorkingWeek::write(const Days &days)
{
    QStringList names;
    for (const Qt::DayOfWeek day : sorted(days))
        names << dayNames.at(day - 1);
    return names.join(u',');
}

WorkingWeek::Days WorkingWeek::sorted(Days days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

QString WorkingWeek::noWorkingDay()
{
    //: Refusing a working week, from the Working week menu or the command line, that would
    //: leave no day of the week a working day.
    return tr("A working week needs at least one working day.");
}

qint64 netWorkingDaysBetween(QDate from, QDate to, const WorkingWeek::Days &week,
                             const Holidays &holidays)
{
    return workingDaysBetween(from, to, week) - holidays.onWorkingDaysBetween(from, to, week);
}

std::optional<QDate> workingDaysFrom(QDate from, qint64 count, const WorkingWeek::Days &week,
                                     const Holidays &holidays)
{
    // No answer lies further than the range is long, which keeps the arithmetic in bounds.
    if (week.isEmpty() || !CalendarRange::contains(from)
        || qAbs(count) > CalendarRange::first().daysTo(CalendarRange::last()))
        return std::nullopt;
    // The working days are counted past the holidays; as many more as there were holidays among
    // them are then counted on from there, until a stretch holds none.
    QDate day = from;
    for (qint64 left = count; left != 0;) {
        const QDate reached = weekDaysFrom(day, left, week);
        if (!CalendarRange::contains(reached))
            return std::nullopt;
        left = left > 0
                ? holidays.onWorkingDaysBetween(day, reached, week)
                : -holidays.onWorkingDaysBetween(reached.addDays(-1), day.addDays(-1), week);
        day = reached;
    }
    return day;
}
