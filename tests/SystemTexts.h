// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's own wording, written out once for all the suites.
namespace SystemTexts {

inline const QString startInstruction
        = QStringLiteral("Click a date on the Calendar, alternatively enter a number of days and "
                         "click the Caluculate "
                         "Date button");
inline const QString daysFromNowInstruction = QStringLiteral(
        "Click a date on the Calendar or enter a whole number of days and click the Calculate Date "
        "button");
inline const QString afterCalculationInstruction = QStringLiteral(
        "Click a date on the Calendar, alternatively enter a whole number of days and click the "
        "Calculate Date button");
inline const QString selectFirstDate = QStringLiteral("Select first date");
inline const QString selectSecondDate
        = QStringLiteral("Select second date or enter a number of days in the Calculate Date box");
inline const QString selectNewFirstDate = QStringLiteral("Select a new first date");
inline const QString mustSelectFirstDate
        = QStringLiteral("You must select the first date on the calendar");
inline const QString notWholeNumber = QStringLiteral("Date box error, please enter a whole number");
inline const QString outsideCalendar
        = QStringLiteral("Date box error, the date must lie between 1753 and 9999");

inline const QStringList instructions = {
        startInstruction,    daysFromNowInstruction, afterCalculationInstruction,
        selectFirstDate,     selectSecondDate,       selectNewFirstDate,
        mustSelectFirstDate, notWholeNumber,         outsideCalendar,
};

inline const QString resultsPlaceholder = QStringLiteral("Results will appear in this window");
inline const QString headingTooltip
        = QStringLiteral("Visit our web site for links to many more useful free applications");

} // namespace SystemTexts
