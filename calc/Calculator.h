// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "RegionalSettings.h"
#include "ResultTexts.h"

#include <QDate>

#include <functional>

struct CalculatorState
{
    bool twoDatesMode = false;
    QDate firstDate; // null until the first date of a pair is picked
    bool firstDatePicked = false; // the next pick or typed count completes the pair
};

// The date calculator behind the window: it reacts to the window's events and answers through
// the control operations.
class Calculator
{
public:
    using Today = std::function<QDate()>;

    enum CalculationType { DaysFromNow = 0, DaysBetweenTwoDates = 1 };

    Calculator(Controls &controls, Today today, const RegionalSettings &regions);

    // Once, before the window is first shown.
    void load();
    // A calculation type was chosen in the drop-down.
    void calculationTypeChosen();
    // A day was clicked on the calendar.
    void datePicked();
    // "Calculate Date" was pressed.
    void calculateDate();

    const CalculatorState &state() const { return m_state; }

private:
    void completePair(QDate second, qint64 dayCount);
    void showInputError(const QString &message);

    Controls &m_controls;
    Today m_today;
    QLocale m_numbers;
    ResultTexts m_texts;
    CalculatorState m_state;
};
