// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The calculator's own wording: the calculation types, the instructions and the placeholder.
namespace CalculatorTexts {

inline const QString daysFromNowItem = QStringLiteral("Days from now");
inline const QString daysBetweenItem = QStringLiteral("Days between 2 dates");

inline const QString startInstruction
        = QStringLiteral("Click a date on the Calendar, alternatively enter "
                         "a number of days and click the Caluculate "
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

inline const QString resultsPlaceholder = QStringLiteral("Results will appear in this window");

} // namespace CalculatorTexts
