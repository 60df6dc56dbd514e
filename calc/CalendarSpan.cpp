// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarSpan.h"

#include "ResultTexts.h"

namespace {

QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(qAbs(count) == 1 ? one : many);
}

} // namespace

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

QString spanSummary(QDate from, QDate to, const QLocale &locale)
{
    const ResultTexts texts(locale);
    // Dates in a right-to-left script carry right-to-left marks. Left-to-right marks around them
    // keep this English line, and the colon after the second date, reading from the left.
    const auto date = [&texts](QDate day) {
        const QString text = texts.date(day);
        return text.isRightToLeft() ? u'\u200E' + text + u'\u200E' : text;
    };
    const qint64 days = from.daysTo(to);
    return date(from) + QStringLiteral(" to ") + date(to) + QStringLiteral(": ")
            + counted(days, "day", "days") + QStringLiteral(" (")
            + counted(days / 7, "week", "weeks") + u' ' + counted(days % 7, "day", "days")
            + QStringLiteral("), ")
            + counted(workingDaysBetween(from, to, locale.weekdays()), "working day",
                      "working days");
}
