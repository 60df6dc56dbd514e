// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed texts the calculator writes into the window's controls, and the command line too,
// each in one place and each through tr() so that a translation can replace it.
#pragma once

#include "Version.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class FixedTexts
{
    Q_DECLARE_TR_FUNCTIONS(FixedTexts)

public:
    static QString version() { return QStringLiteral(DAYWRIGHT_VERSION); }

    // The window's own wording, verbatim: its misspelling ("Caluculate") included, as users,
    // their notes and their scripts know it.
    static QString daysFromNowItem()
    {
        //: The calculation type drop-down's first item: counts from today to a picked date.
        return tr("Days from now");
    }
    static QString daysBetweenItem()
    {
        //: The calculation type drop-down's second item: counts between two picked dates.
        return tr("Days between 2 dates");
    }

    static QString startInstruction()
    {
        //: The instruction label at start. "Caluculate" is the English text's own old
        //: misspelling: translate the meaning, and name the button as you translated it.
        return tr("Click a date on the Calendar, alternatively enter a number of days and click "
                  "the Caluculate Date button");
    }
    static QString daysFromNowInstruction()
    {
        //: The instruction label after "Days from now" is chosen.
        return tr("Click a date on the Calendar or enter a whole number of days and click the "
                  "Calculate Date button");
    }
    static QString afterCalculationInstruction()
    {
        //: The instruction label after an answer from today.
        return tr("Click a date on the Calendar, alternatively enter a whole number of days and "
                  "click the Calculate Date button");
    }
    static QString selectFirstDate()
    {
        //: The instruction label when "Days between 2 dates" waits for its first date.
        return tr("Select first date");
    }
    static QString selectSecondDate()
    {
        //: The instruction label once the first date is picked. "Calculate Date box": the
        //: day count box beside the Calculate Date button.
        return tr("Select second date or enter a number of days in the Calculate Date box");
    }
    static QString selectNewFirstDate()
    {
        //: The instruction label after an answer between two dates.
        return tr("Select a new first date");
    }
    static QString mustSelectFirstDate()
    {
        //: The instruction label when Calculate Date is pressed before a first date is picked.
        return tr("You must select the first date on the calendar");
    }
    static QString notWholeNumber()
    {
        //: The instruction label when the day count box holds no whole number.
        return tr("Date box error, please enter a whole number");
    }
    static QString resultsPlaceholder()
    {
        //: The results box before any answer.
        return tr("Results will appear in this window");
    }

    // The result sentences, in the form for the count where a translation has several.
    static QString fromToday(qint64 count)
    {
        //: The results box's first line from today. %1: the date found or picked; %2: the
        //: count of days, negative for a date before today; %3: today's date.
        return tr("%1 is %2 days from %3", nullptr, pluralFormOf(count));
    }
    static QString betweenDates(qint64 count)
    {
        //: The results box's first line between two dates. %1: the first date; %2: the
        //: second; %3: the count of days between them, negative when the second is earlier.
        return tr("The number of days from %1 to %2 is %3", nullptr, pluralFormOf(count));
    }
    static QString weekBreakdown()
    {
        //: The results box's second line, under every answer: the count of days in whole weeks
        //: and the days left over. %1 and %2: the weeks and the days as bare numbers; %3 and
        //: %4: the same as counted words ("2 weeks", "1 day"), for a language whose words
        //: change with the number. Use either pair.
        return tr("That is %1 Weeks and %2 Days.");
    }
    static QString firstDateNotice()
    {
        //: The results box once the first of two dates is picked. %1: that date.
        return tr("First date selected is %1");
    }

    // Every text the instruction label shows.
    static QStringList instructions()
    {
        return {startInstruction(),    daysFromNowInstruction(), afterCalculationInstruction(),
                selectFirstDate(),     selectSecondDate(),       selectNewFirstDate(),
                mustSelectFirstDate(), notWholeNumber(),         outsideCalendar()};
    }

    // The program's own addition: a typed count that would leave the calendar's range.
    static QString outsideCalendar()
    {
        //: The instruction label when the typed count would lead outside the calendar.
        return tr("Date box error, the date must lie between 1753 and 9999");
    }
};
