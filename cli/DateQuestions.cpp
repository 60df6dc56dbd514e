// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the command line's dates and counts, and writes the answers the window would give.
#include "DateQuestions.h"

#include "CalendarRange.h"
#include "CommandLine.h"
#include "DayContext.h"
#include "DayCountInput.h"
#include "FixedTexts.h"
#include "HolidayStore.h"
#include "HolidayTexts.h"

#include <QTextStream>

DateQuestions::DateQuestions(DayContext &context, ResultTexts::DateStyle style,
                             HolidaysWithin holidays)
    : m_context(context)
    , m_style(style)
    , m_holidaysWithin(std::move(holidays))
{ }

ResultTexts DateQuestions::texts() const
{
    return ResultTexts(m_context.regions().dates, m_style, m_context.calendarSystem());
}

QDate DateQuestions::readDate(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("today"))
        return m_context.today().date();
    if (const QDate iso = QDate::fromString(trimmed, Qt::ISODate); iso.isValid())
        return iso;
    // The region's dates are in the calendar the answers are written in.
    const QLocale &region = m_context.regions().dates;
    const QCalendar calendar = m_context.calendar();
    if (const QDate full = region.toDate(trimmed, fourDigitYearDateFormat(region), calendar);
        full.isValid())
        return full;
    return region.toDate(trimmed, QLocale::ShortFormat, calendar);
}

QString DateQuestions::linesFor(const QString &results, QDate from, QDate to) const
{
    const Holidays holidays = m_holidaysWithin
            ? m_holidaysWithin({std::min(from, to), std::max(from, to)})
            : m_context.holidays();
    return results + u'\n' + texts().spanSummary(from, to, m_context.workingWeek(), holidays)
            + u'\n';
}

DateQuestions::Answer DateQuestions::between(const QString &first, const QString &second) const
{
    const QDate from = readDate(first), to = readDate(second);
    if (!from.isValid() || !to.isValid())
        return {Answer::Unreadable, tr("'%1' is no date").arg(from.isValid() ? second : first)};
    if (!CalendarRange::contains(from) || !CalendarRange::contains(to))
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 days = from.daysTo(to);
    return {Answer::Answered, linesFor(texts().betweenDates(from, to, days), from, to)};
}

DateQuestions::Answer DateQuestions::daysFrom(const QString &date, const QString &days) const
{
    const QDate base = readDate(date);
    if (!base.isValid())
        return {Answer::Unreadable, tr("'%1' is no date").arg(date)};
    const DayCountInput typed(days, m_context.regions().numbers);
    if (typed.status() == DayCountInput::Status::NotWholeNumber)
        return {Answer::Refused, FixedTexts::notWholeNumber()};
    const std::optional<QDate> target
            = CalendarRange::contains(base) ? typed.dateFrom(base) : std::nullopt;
    if (!target)
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 count = base.daysTo(*target);
    return {Answer::Answered, linesFor(texts().fromToday(*target, count, base), base, *target)};
}

namespace {

using Question = DateQuestions::Answer (DateQuestions::*)(const QString &, const QString &) const;

// The answer on standard output; a refusal on standard error, and one for input it cannot read
// with the usage after it.
int answer(const CommandInput &input, Question question)
{
    const auto storedWithin = [&input](const DateRange &span) {
        const HolidayStore::Loaded read = input.store.load(span);
        for (const HolidayStore::Skipped &calendar : read.skipped)
            input.errors << "daywright: holiday calendar skipped: "
                         << HolidayTexts::refused(calendar.name, calendar.reason) << '\n';
        return input.store.merged(read.calendars);
    };
    const DateQuestions questions(input.context,
                                  input.line.isoDates ? ResultTexts::DateStyle::Iso
                                                      : ResultTexts::DateStyle::Regional,
                                  storedWithin);
    const DateQuestions::Answer answer
            = (questions.*question)(input.line.values.at(0), input.line.values.at(1));
    if (answer.status == DateQuestions::Answer::Answered)
        input.out << answer.text;
    else if (answer.status == DateQuestions::Answer::Refused)
        input.errors << "daywright: " << answer.text << '\n';
    else
        input.errors << "daywright: " << answer.text << "\n\n" << CommandLine::usage();
    return answer.status;
}

} // namespace

int DateQuestions::answerBetween(const CommandInput &input)
{
    return answer(input, &DateQuestions::between);
}

int DateQuestions::answerDaysFrom(const CommandInput &input)
{
    return answer(input, &DateQuestions::daysFrom);
}
