// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's date questions, answered in the window's own words.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"
#include "RegionalSettings.h"
#include "ResultTexts.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>

// What the results box would show for the question, then the summary line of its span, a line
// each, as plain lines for a terminal or a script.
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

    DateQuestions(const RegionalSettings &regions, QDate today, HolidaysWithin holidays,
                  ResultTexts::DateStyle style = ResultTexts::DateStyle::Regional);

    Answer between(const QString &first, const QString &second) const;
    Answer daysFrom(const QString &date, const QString &days) const;

    // "today", ISO 8601, or the region's short date format with a four-digit or two-digit year.
    QDate readDate(const QString &text) const;

private:
    QString linesFor(const QString &results, QDate from, QDate to) const;

    RegionalSettings m_regions;
    QDate m_today;
    HolidaysWithin m_holidaysWithin;
    ResultTexts m_texts;
};
