// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the result sentences and the span's summary from their fixed wording.
#include "ResultTexts.h"

#include "CalendarSpan.h"
#include "FixedTexts.h"
#include "Translations.h"

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

QString withPlaces(const QString &text, const QStringList &values)
{
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int place
                = i + 1 < text.size() && text.at(i) == u'%' ? text.at(i + 1).digitValue() : -1;
        if (place >= 1 && place <= values.size()) {
            filled += values.at(place - 1);
            ++i;
        } else {
            filled += text.at(i);
        }
    }
    return filled;
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
    , m_numbers(m_locale.language() == Translations::installed() ? m_locale : QLocale::c())
    , m_rightToLeftSentences(QLocale(Translations::installed()).textDirection() == Qt::RightToLeft)
    , m_calendar(&calendarOf(style == DateStyle::Iso ? CalendarSystem::Gregorian : calendar))
{
    m_numbers.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString ResultTexts::number(qint64 count) const
{
    return m_numbers.toString(count);
}

QString ResultTexts::date(QDate date) const
{
    return m_calendar->toString(date, m_locale, m_dateFormat);
}

QString ResultTexts::fromToday(QDate target, qint64 dayCount, QDate today) const
{
    return FixedTexts::fromToday(dayCount).arg(isolated(target), countWithSignOrBlank(dayCount),
                                               isolated(today))
            + u'\n' + weekBreakdown(dayCount);
}

QString ResultTexts::betweenDates(QDate first, QDate second, qint64 dayCount) const
{
    return FixedTexts::betweenDates(dayCount).arg(isolated(first), isolated(second),
                                                  countWithSignOrBlank(dayCount))
            + u'\n' + weekBreakdown(dayCount);
}

// A minus for a negative count and a blank where a plus would stand, so that counts line up in
// the sentence: " 14", " 0", "-3".
QString ResultTexts::countWithSignOrBlank(qint64 dayCount) const
{
    return dayCount < 0 ? number(dayCount) : u' ' + number(dayCount);
}

// C++ division truncates toward zero and the remainder keeps the count's sign: 15 is 2 weeks and
// 1 day, -10 is -1 week and -3 days.
QString ResultTexts::weekBreakdown(qint64 dayCount) const
{
    const qint64 weeks = dayCount / 7, days = dayCount % 7;
    return withPlaces(FixedTexts::weekBreakdown(),
                      {number(weeks), number(days), this->weeks(weeks), this->days(days)});
}

// A form may leave the number out where the word says it, as Arabic's dual "two days" does; a
// count back in time keeps its sign before such a word.
QString ResultTexts::counted(const QString &form, qint64 count) const
{
    if (count < 0 && !form.contains(QStringLiteral("%1")))
        return m_numbers.negativeSign() + form;
    return withPlaces(form, {number(count)});
}

QString ResultTexts::days(qint64 count) const
{
    //: A count of days in a sentence, as "18 days". %1: the count.
    return counted(tr("%1 day(s)", nullptr, pluralFormOf(count)), count);
}

QString ResultTexts::weeks(qint64 count) const
{
    //: A count of weeks in a sentence, as "2 weeks". %1: the count.
    return counted(tr("%1 week(s)", nullptr, pluralFormOf(count)), count);
}

QString ResultTexts::firstDateNotice(QDate first) const
{
    return FixedTexts::firstDateNotice().arg(isolated(first));
}

QString ResultTexts::dayCountBox(qint64 dayCount)
{
    return QString::number(dayCount);
}

QString ResultTexts::isolated(QDate day) const
{
    // A sentence in a right-to-left language holds each date in an isolate, which keeps the
    // date's own order and the sentence's around it.
    return m_rightToLeftSentences ? u'\u2068' + date(day) + u'\u2069' : date(day);
}

QString ResultTexts::summaryDate(QDate day) const
{
    if (m_rightToLeftSentences)
        return isolated(day);
    // Dates in a right-to-left script carry right-to-left marks. Left-to-right marks around them
    // keep a left-to-right line, and the colon after the second date, reading from the left.
    const QString text = date(day);
    return text.isRightToLeft() ? u'\u200E' + text + u'\u200E' : text;
}

QString ResultTexts::spanSummary(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek,
                                 const Holidays &holidays) const
{
    const qint64 count = from.daysTo(to);
    //: The summary line's weeks: %1 whole weeks and %2 days left over, each counted ("2 weeks",
    //: "4 days").
    const QString weeksAndDays
            = tr("%1 %2", "weeks and days").arg(weeks(count / 7), days(count % 7));
    const qint64 holidaysOff = holidays.onWorkingDaysBetween(from, to, workingWeek);
    const qint64 workingDays = workingDaysBetween(from, to, workingWeek) - holidaysOff;
    //: The summary line's working days, as "13 working days". %1: the count.
    QString working
            = counted(tr("%1 working day(s)", nullptr, pluralFormOf(workingDays)), workingDays);
    if (holidaysOff != 0) {
        //: The summary line's working days and the holidays left out of them, as "13 working
        //: days (3 holidays)". %1: the working days counted; %2: the holidays, counted.
        working = tr("%1 (%2)", "working days and holidays")
                          //: The summary line's holidays on working days, as "3 holidays". %1: the
                          //: count.
                          .arg(working,
                               counted(tr("%1 holiday(s)", nullptr, pluralFormOf(holidaysOff)),
                                       holidaysOff));
    }
    const MonthsAndDays calendarUnits = MonthsAndDays::between(from, to, *m_calendar);
    if (calendarUnits.isUnderAMonth()) {
        //: The summary line under the calendar for a span under a month, as "19/12/2026 to
        //: 06/01/2027: 18 days (2 weeks 4 days), 13 working days". %1, %2: the span's first and
        //: last dates; %3: its days, counted; %4: its weeks and days; %5: its working days.
        return tr("%1 to %2: %3 (%4), %5")
                .arg(summaryDate(from), summaryDate(to), days(count), weeksAndDays, working);
    }
    //: A count of months in the summary line, as "3 months". %1: the count.
    const QString months = counted(tr("%1 month(s)", nullptr, pluralFormOf(calendarUnits.months)),
                                   calendarUnits.months);
    QString inCalendar;
    if (calendarUnits.years == 0) {
        //: The summary line's span in the calendar's months: %1 months and %2 days, each
        //: counted ("3 months", "10 days").
        inCalendar = tr("%1 %2", "months and days").arg(months, days(calendarUnits.days));
    } else {
        //: The summary line's span in the calendar's years and months: %1 years, %2 months and
        //: %3 days, each counted ("1 year", "3 months", "10 days").
        inCalendar
                = tr("%1 %2 %3", "years, months and days")
                          //: A count of years in the summary line, as "1 year". %1: the count.
                          .arg(counted(tr("%1 year(s)", nullptr, pluralFormOf(calendarUnits.years)),
                                       calendarUnits.years),
                               months, days(calendarUnits.days));
    }
    //: The summary line under the calendar for a month or more, as "07/12/2026 to 17/03/2027:
    //: 100 days (14 weeks 2 days; 3 months 10 days), 72 working days". %1, %2: the span's first
    //: and last dates; %3: its days, counted; %4: its weeks and days; %5: the same span in the
    //: calendar's years, months and days; %6: its working days.
    return tr("%1 to %2: %3 (%4; %5), %6")
            .arg(summaryDate(from), summaryDate(to), days(count), weeksAndDays, inCalendar,
                 working);
}
