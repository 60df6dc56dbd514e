// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the result sentences and the span's summary from their fixed wording.
#include "ResultTexts.h"

#include "CalendarSpan.h"
#include "FixedTexts.h"

namespace {

// A minus for a negative count and a blank where a plus would stand, so that counts line up in
// the sentence: " 14", " 0", "-3".
QString countWithSignOrBlank(qint64 dayCount)
{
    return dayCount < 0 ? QString::number(dayCount) : u' ' + QString::number(dayCount);
}

// C++ division truncates toward zero and the remainder keeps the count's sign: 15 is 2 weeks and
// 1 day, -10 is -1 week and -3 days.
QString weekBreakdown(qint64 dayCount)
{
    return FixedTexts::weekBreakdown().arg(QString::number(dayCount / 7),
                                           QString::number(dayCount % 7));
}

} // namespace

QString widenTwoDigitYears(const QString &format)
{
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            widened += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == u'y')
            ++run;
        widened += QString(run == 2 ? 4 : run, u'y');
        i += run;
    }
    return widened;
}

QString counted(qint64 count, const QString &one, const QString &many)
{
    return (qAbs(count) == 1 ? one : many).arg(count);
}

QString fourDigitYearDateFormat(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    return widenTwoDigitYears(locale.dateFormat(QLocale::ShortFormat));
}

ResultTexts::ResultTexts(const QLocale &locale, DateStyle style, CalendarSystem calendar)
    // ISO 8601 is written in ASCII digits, whatever digits the region writes.
    : m_locale(style == DateStyle::Iso ? QLocale::c() : locale)
    , m_dateFormat(fourDigitYearDateFormat(m_locale))
    , m_calendar(&calendarOf(style == DateStyle::Iso ? CalendarSystem::Gregorian : calendar))
{ }

QString ResultTexts::date(QDate date) const
{
    return m_calendar->toString(date, m_locale, m_dateFormat);
}

QString ResultTexts::fromToday(QDate target, qint64 dayCount, QDate today) const
{
    return FixedTexts::fromToday().arg(date(target), countWithSignOrBlank(dayCount), date(today))
            + u'\n' + weekBreakdown(dayCount);
}

QString ResultTexts::betweenDates(QDate first, QDate second, qint64 dayCount) const
{
    return FixedTexts::betweenDates().arg(date(first), date(second), countWithSignOrBlank(dayCount))
            + u'\n' + weekBreakdown(dayCount);
}

QString ResultTexts::firstDateNotice(QDate first) const
{
    return FixedTexts::firstDateNotice().arg(date(first));
}

QString ResultTexts::dayCountBox(qint64 dayCount)
{
    return QString::number(dayCount);
}

QString ResultTexts::spanSummary(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek,
                                 const Holidays &holidays) const
{
    // Dates in a right-to-left script carry right-to-left marks. Left-to-right marks around them
    // keep this English line, and the colon after the second date, reading from the left.
    const auto isolated = [this](QDate day) {
        const QString text = date(day);
        return text.isRightToLeft() ? u'\u200E' + text + u'\u200E' : text;
    };
    const qint64 days = from.daysTo(to);
    const MonthsAndDays calendarUnits = MonthsAndDays::between(from, to, *m_calendar);
    // Years are left out while there are none; months and days are always written.
    QStringList units;
    if (!calendarUnits.isUnderAMonth()) {
        if (calendarUnits.years != 0)
            units << counted(calendarUnits.years, tr("%1 year"), tr("%1 years"));
        units << counted(calendarUnits.months, tr("%1 month"), tr("%1 months"))
              << counted(calendarUnits.days, tr("%1 day"), tr("%1 days"));
    }
    const QString months = units.isEmpty() ? QString() : tr("; %1").arg(units.join(u' '));
    const qint64 holidaysOff = holidays.onWorkingDaysBetween(from, to, workingWeek);
    const QString workingDays = counted(workingDaysBetween(from, to, workingWeek) - holidaysOff,
                                        tr("%1 working day"), tr("%1 working days"));
    return tr("%1 to %2: %3 (%4 %5%6), %7")
            .arg(isolated(from), isolated(to), counted(days, tr("%1 day"), tr("%1 days")),
                 counted(days / 7, tr("%1 week"), tr("%1 weeks")),
                 counted(days % 7, tr("%1 day"), tr("%1 days")), months,
                 holidaysOff == 0 ? workingDays
                                  : tr("%1 (%2)").arg(workingDays,
                                                      counted(holidaysOff, tr("%1 holiday"),
                                                              tr("%1 holidays"))));
}
