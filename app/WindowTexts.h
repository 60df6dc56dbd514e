// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own fixed texts: its caption, headings, button labels and tooltips, each in one
// place and each through tr() so that a translation can replace it.
#pragma once

#include "FixedTexts.h"

#include <QCoreApplication>
#include <QString>

class WindowTexts
{
    Q_DECLARE_TR_FUNCTIONS(WindowTexts)

public:
    // The window's own wording, verbatim: its misspellings ("calulator", "clip board") included,
    // as users, their notes and their scripts know them.
    static QString windowTitle()
    {
        //: The window's title. "calulator" is the English text's old misspelling: translate the
        //: meaning. %1: the version.
        return tr("Daywright and days calulator v%1").arg(FixedTexts::version());
    }

    //: The heading above the instruction label.
    static QString instructionHeading() { return tr("Instruction window"); }
    //: The heading above the calculation type drop-down.
    static QString calculationTypeHeading() { return tr("Select type of date calculation"); }
    //: The heading above the results box.
    static QString resultsHeading() { return tr("Results window"); }
    static QString headingTooltip()
    {
        //: Tooltip of the window's headings.
        return tr("Visit our web site for links to many more useful free applications");
    }
    //: Tooltip of the instruction label.
    static QString instructionTooltip() { return tr("This window displays instructions only"); }
    //: Tooltip of the calculation type drop-down.
    static QString calculationTypeTooltip() { return tr("Select calculation type"); }
    static QString resultsTooltip()
    {
        //: Tooltip of the results box. "clip board": the clipboard.
        return tr("Select the results and copy them to the clip board if desired (press CTRL and "
                  "C)");
    }
    static QString calendarTooltip()
    {
        //: Tooltip of the calendar.
        return tr("Click on a month or a year to move quickly to a date not currently in the "
                  "display");
    }
    //: Tooltip of the day count box.
    static QString dayCountTooltip() { return tr("Enter an interval in days"); }
    static QString calculateTooltip()
    {
        //: Tooltip of the Calculate Date button: the number is in the day count box beside it.
        return tr("Click to work out the date from the number on the right");
    }
    //: The button that ends the program.
    static QString quit() { return tr("Quit"); }
    //: The button that finds the date the typed number of days away.
    static QString calculateDate() { return tr("Calculate Date"); }
    static QString initialDayCount() { return QStringLiteral("0"); }
};
