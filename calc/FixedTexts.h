// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed texts the calculator writes into the window's controls, and the command line too,
// each in one place and each through tr() so that a translation can replace it.
#pragma once

#include "Version.h"

#include <QCoreApplication>
#include <QString>

class FixedTexts
{
    Q_DECLARE_TR_FUNCTIONS(FixedTexts)

public:
    static QString version() { return QStringLiteral(DAYWRIGHT_VERSION); }

    // The window's own wording, verbatim: its misspelling ("Caluculate") included, as users,
    // their notes and their scripts know it.
    static QString daysFromNowItem() { return tr("Days from now"); }
    static QString daysBetweenItem() { return tr("Days between 2 dates"); }

    static QString startInstruction()
    {
        return tr("Click a date on the Calendar, alternatively enter a number of days and click "
                  "the Caluculate Date button");
    }
    static QString daysFromNowInstruction()
    {
        return tr("Click a date on the Calendar or enter a whole number of days and click the "
                  "Calculate Date button");
    }
    static QString afterCalculationInstruction()
    {
        return tr("Click a date on the Calendar, alternatively enter a whole number of days and "
                  "click the Calculate Date button");
    }
    static QString selectFirstDate() { return tr("Select first date"); }
    static QString selectSecondDate()
    {
        return tr("Select second date or enter a number of days in the Calculate Date box");
    }
    static QString selectNewFirstDate() { return tr("Select a new first date"); }
    static QString mustSelectFirstDate()
    {
        return tr("You must select the first date on the calendar");
    }
    static QString notWholeNumber() { return tr("Date box error, please enter a whole number"); }
    static QString resultsPlaceholder() { return tr("Results will appear in this window"); }

    // The result sentences: %1 is the target date, %2 the count with its sign or a blank, %3
    // today; the first date, the second and the count; whole weeks and the days left over.
    static QString fromToday() { return tr("%1 is %2 days from %3"); }
    static QString betweenDates() { return tr("The number of days from %1 to %2 is %3"); }
    static QString weekBreakdown() { return tr("That is %1 Weeks and %2 Days."); }
    static QString firstDateNotice() { return tr("First date selected is %1"); }

    // The program's own addition: a typed count that would leave the calendar's range.
    static QString outsideCalendar()
    {
        return tr("Date box error, the date must lie between 1753 and 9999");
    }
};
