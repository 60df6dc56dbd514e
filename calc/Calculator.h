// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculator behind the window: it reacts to the window's events and answers through
// the control operations.
#pragma once

#include "CalendarSpan.h"
#include "Controls.h"
#include "Holidays.h"
#include "RegionalSettings.h"
#include "ResultTexts.h"
#include "Today.h"

#include <QDate>

struct CalculatorState
{
    bool twoDatesMode = false;
    QDate firstDate; // null until the first date of a pair is picked
    bool firstDatePicked = false; // the next pick or typed count completes the pair
};

class Calculator
{
public:
    enum CalculationType { DaysFromNow = 0, DaysBetweenTwoDates = 1 };

    Calculator(Controls &controls, Today &today, const RegionalSettings &regions);
    ~Calculator();
    Q_DISABLE_COPY_MOVE(Calculator)

    // Fills the controls, once, before the window is first shown.
    void start();
    // A calculation type was chosen in the drop-down.
    void calculationTypeChosen();
    // A day was picked on the calendar.
    void datePicked();
    // The user points at a day on the calendar or moves the selection to one; null once the
    // pointer has left the days.
    void datePointed(QDate day);
    // "Calculate Date" was pressed.
    void calculateDate();
    // The user's public holidays changed: working days leave them out.
    void setHolidays(const Holidays &holidays);
    // Dates from now on are written, and months and years counted, in another calendar.
    void setCalendar(CalendarSystem calendar);

    const CalculatorState &state() const { return m_state; }

private:
    void completePair(QDate second, qint64 dayCount);
    void todayChanged(QDate newToday);
    void showInputError(const QString &message);
    void countSpan(const SpanRule &rule);
    void showSpan();

    Controls &m_controls;
    Today &m_today;
    RegionalSettings m_regions;
    ResultTexts m_texts;
    CalculatorState m_state;
    SpanRule m_spanRule;
    QDate m_pointed;
    Holidays m_holidays;
    QMetaObject::Connection m_todayTurns;
};
