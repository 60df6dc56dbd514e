// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's date questions, answered in the window's own words.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"
#include "ResultTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>
#include <variant>

class DayContext;
struct CommandInput;

// What the results box would show for the question, then the summary line of its span, a line
// each, as plain lines for a terminal or a script. Dates are read and written in the context's
// region and calendar, and spans counted with its working week and holidays.
class DateQuestions
{
    Q_DECLARE_TR_FUNCTIONS(DateQuestions)

public:
    struct Answer
    {
        enum Status { Answered = 0, Refused = 1, Unreadable = 2 }; // the program's exit status
        Status status = Answered;
        QString text; // the answer, or why it was refused or could not be read
    };

    // The holidays of the span asked about, and no more: reading them is most of an answer's work.
    using HolidaysWithin = std::function<Holidays(const DateRange &)>;

    // Where a reader of holidays is given, the span is summed up with the holidays it reads;
    // otherwise with the context's.
    explicit DateQuestions(DayContext &context,
                           ResultTexts::DateStyle style = ResultTexts::DateStyle::Regional,
                           HolidaysWithin holidays = {});

    Answer between(const QString &first, const QString &second) const;
    Answer daysFrom(const QString &date, const QString &days) const;
    // The answer's date as daysFrom() writes it, with the summary of its span.
    Answer workingDaysFrom(const QString &date, const QString &count) const;

    // "today" in any case, ISO 8601 (YYYY-MM-DD), or the region's short date format and calendar
    // with the whole year, in its digits or ASCII ones, with or without direction marks; or why
    // the text is no date.
    std::variant<QDate, QString> readDate(const QString &text) const;

    // --between, --days-from and --working-days-from, answered from the stored holidays.
    static int answerBetween(const CommandInput &input);
    static int answerDaysFrom(const CommandInput &input);
    static int answerWorkingDaysFrom(const CommandInput &input);

private:
    ResultTexts texts() const;
    QString linesFor(const QString &results, QDate from, QDate to) const;

    DayContext &m_context;
    ResultTexts::DateStyle m_style;
    HolidaysWithin m_holidaysWithin;
};
