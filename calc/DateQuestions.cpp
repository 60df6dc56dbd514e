// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the command line's dates and counts, and writes the answers the window would give.
#include "DateQuestions.h"

#include "CalendarRange.h"
#include "DayCountInput.h"
#include "FixedTexts.h"

DateQuestions::DateQuestions(const RegionalSettings &regions, QDate today, HolidaysWithin holidays,
                             ResultTexts::DateStyle style)
    : m_regions(regions)
    , m_today(today)
    , m_holidaysWithin(std::move(holidays))
    , m_texts(regions.dates, style, regions.calendar)
{ }

QDate DateQuestions::readDate(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("today"))
        return m_today;
    if (const QDate iso = QDate::fromString(trimmed, Qt::ISODate); iso.isValid())
        return iso;
    // The region's dates are in the calendar the answers are written in.
    const QLocale &region = m_regions.dates;
    const QCalendar calendar = calendarOf(m_regions.calendar);
    if (const QDate full = region.toDate(trimmed, fourDigitYearDateFormat(region), calendar);
        full.isValid())
        return full;
    return region.toDate(trimmed, QLocale::ShortFormat, calendar);
}

QString DateQuestions::linesFor(const QString &results, QDate from, QDate to) const
{
    QString lines = results;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const Holidays holidays = m_holidaysWithin({std::min(from, to), std::max(from, to)});
    return lines + u'\n' + m_texts.spanSummary(from, to, holidays) + u'\n';
}

DateQuestions::Answer DateQuestions::between(const QString &first, const QString &second) const
{
    const QDate from = readDate(first), to = readDate(second);
    if (!from.isValid() || !to.isValid())
        return {Answer::Unreadable, tr("'%1' is no date").arg(from.isValid() ? second : first)};
    if (!CalendarRange::contains(from) || !CalendarRange::contains(to))
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 days = from.daysTo(to);
    return {Answer::Answered, linesFor(m_texts.betweenDates(from, to, days), from, to)};
}

DateQuestions::Answer DateQuestions::daysFrom(const QString &date, const QString &days) const
{
    const QDate base = readDate(date);
    if (!base.isValid())
        return {Answer::Unreadable, tr("'%1' is no date").arg(date)};
    const DayCountInput typed(days, m_regions.numbers);
    if (typed.status() == DayCountInput::Status::NotWholeNumber)
        return {Answer::Refused, FixedTexts::notWholeNumber()};
    const std::optional<QDate> target
            = CalendarRange::contains(base) ? typed.dateFrom(base) : std::nullopt;
    if (!target)
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 count = base.daysTo(*target);
    return {Answer::Answered, linesFor(m_texts.fromToday(*target, count, base), base, *target)};
}
