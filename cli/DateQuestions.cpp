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
#include "WorkingWeek.h"

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

namespace {

// Qt's short formats hold the invisible direction marks of right-to-left writing (Arabic
// regions' is "d\u200F/M\u200F/yyyy"), which nobody types: they are left out of the format and
// the text alike.
QString withoutDirectionMarks(QString text)
{
    for (const QChar mark : {u'\u061C', u'\u200E', u'\u200F'})
        text.remove(mark);
    return text;
}

} // namespace

std::variant<QDate, QString> DateQuestions::readDate(const QString &text) const
{
    const QString typed = withoutDirectionMarks(text).trimmed();
    if (typed.compare(QLatin1String("today"), Qt::CaseInsensitive) == 0)
        return m_context.today().date();
    // Qt's ISO reading takes any punctuation between the fields, which would read the Persian
    // "1403/12/30" as a Gregorian date; ISO 8601 writes hyphens.
    const bool hyphenated = typed.size() == 10 && typed.at(4) == u'-' && typed.at(7) == u'-';
    if (const QDate iso = QDate::fromString(typed, Qt::ISODate); hyphenated && iso.isValid())
        return iso;
    // The region's dates are in the calendar the answers are written in.
    const QLocale &region = m_context.regions().dates;
    const auto read = [&](const QString &format) {
        return m_context.calendar().toDate(typed, region, withoutDirectionMarks(format));
    };
    if (const QDate full = read(fourDigitYearDateFormat(region)); full.isValid())
        return full;
    // The region's own format would read "19.12.26" as 1926: only the user knows the century.
    if (read(region.dateFormat(QLocale::ShortFormat)).isValid())
        //: A refused date on the command line. %1: the date as typed.
        return tr("'%1' has a two-digit year: please write the whole year").arg(text);
    //: A refused date on the command line. %1: the text as typed.
    return tr("'%1' is no date").arg(text);
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
    const auto readFrom = readDate(first), readTo = readDate(second);
    for (const auto &read : {readFrom, readTo}) {
        if (const QString *unreadable = std::get_if<QString>(&read))
            return {Answer::Unreadable, *unreadable};
    }
    const QDate from = std::get<QDate>(readFrom), to = std::get<QDate>(readTo);
    if (!CalendarRange::contains(from) || !CalendarRange::contains(to))
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 days = from.daysTo(to);
    return {Answer::Answered, linesFor(texts().betweenDates(from, to, days), from, to)};
}

DateQuestions::Answer DateQuestions::daysFrom(const QString &date, const QString &days) const
{
    const auto read = readDate(date);
    if (const QString *unreadable = std::get_if<QString>(&read))
        return {Answer::Unreadable, *unreadable};
    const QDate base = std::get<QDate>(read);
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

DateQuestions::Answer DateQuestions::workingDaysFrom(const QString &date,
                                                     const QString &count) const
{
    const auto read = readDate(date);
    if (const QString *unreadable = std::get_if<QString>(&read))
        return {Answer::Unreadable, *unreadable};
    const QDate base = std::get<QDate>(read);
    const DayCountInput typed(count, m_context.regions().numbers);
    if (typed.status() == DayCountInput::Status::NotWholeNumber)
        return {Answer::Refused, FixedTexts::notWholeNumber()};
    if (typed.status() == DayCountInput::Status::TooLarge || !CalendarRange::contains(base))
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    // A count beyond the range's length is refused inside; a double holds every shorter one.
    const qint64 limit = CalendarRange::first().daysTo(CalendarRange::last()) + 1;
    const qint64 asked = qint64(std::clamp(typed.days(), double(-limit), double(limit)));
    const QList<Qt::DayOfWeek> &week = m_context.workingWeek();
    // Reading holidays is most of an answer's work, and those past the answer play no part in
    // it: first those of twice the days the count takes without them, then, where they fill
    // that stretch, those of the rest of the range the way it counts.
    const qint64 likely = 2 * 7 * (qAbs(asked) / std::max<qint64>(week.size(), 1) + 1);
    Holidays holidays = m_context.holidays();
    std::optional<QDate> target;
    for (const qint64 reach : {likely, limit}) {
        const QDate end = std::clamp(base.addDays(asked < 0 ? -reach : reach),
                                     CalendarRange::first(), CalendarRange::last());
        const DateRange stretch {std::min(base, end), std::max(base, end)};
        if (m_holidaysWithin)
            holidays = m_holidaysWithin(stretch);
        target = ::workingDaysFrom(base, asked, week, holidays);
        if (!m_holidaysWithin || (target && stretch.contains(*target)))
            break;
    }
    if (!target)
        return {Answer::Refused, FixedTexts::outsideCalendar()};
    const qint64 days = base.daysTo(*target);
    return {Answer::Answered,
            texts().fromToday(*target, days, base) + u'\n'
                    + texts().spanSummary(base, *target, week, holidays) + u'\n'};
}

namespace {

using Question = DateQuestions::Answer (DateQuestions::*)(const QString &, const QString &) const;

// The answer on standard output; a refusal on standard error, and one for input it cannot read
// with the way to the usage after it.
int answer(const CommandInput &input, Question question)
{
    const auto storedWithin = [&input](const DateRange &span) {
        const HolidayStore::Loaded read = input.store.load(span);
        for (const HolidayStore::Skipped &calendar : read.skipped)
            input.errors << "daywright: holiday calendar skipped: "
                         << HolidayTexts::refused(calendar.name, calendar.reason) << '\n';
        for (const HolidayStore::Skipped &choice : read.unreadChoices)
            input.errors << "daywright: " << HolidayTexts::unreadChoice(choice.name, choice.reason)
                         << '\n';
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
        input.errors << CommandLine::refusal(answer.text);
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

int DateQuestions::answerWorkingDaysFrom(const CommandInput &input)
{
    return answer(input, &DateQuestions::workingDaysFrom);
}
