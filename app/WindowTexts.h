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
        return tr("Daywright and days calulator v%1").arg(FixedTexts::version());
    }

    static QString instructionHeading() { return tr("Instruction window"); }
    static QString calculationTypeHeading() { return tr("Select type of date calculation"); }
    static QString resultsHeading() { return tr("Results window"); }
    static QString headingTooltip()
    {
        return tr("Visit our web site for links to many more useful free applications");
    }
    static QString instructionTooltip() { return tr("This window displays instructions only"); }
    static QString calculationTypeTooltip() { return tr("Select calculation type"); }
    static QString resultsTooltip()
    {
        return tr("Select the results and copy them to the clip board if desired (press CTRL and "
                  "C)");
    }
    static QString calendarTooltip()
    {
        return tr("Click on a month or a year to move quickly to a date not currently in the "
                  "display");
    }
    static QString dayCountTooltip() { return tr("Enter an interval in days"); }
    static QString calculateTooltip()
    {
        return tr("Click to work out the date from the number on the right");
    }
    static QString quit() { return tr("Quit"); }
    static QString calculateDate() { return tr("Calculate Date"); }
    static QString initialDayCount() { return QStringLiteral("0"); }
};
