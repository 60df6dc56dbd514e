// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculator behind the window: it reacts to the window's events and answers through
// the control operations.
#pragma once

#include "CalendarSpan.h"
#include "Controls.h"
#include "ResultTexts.h"

#include <QDate>
#include <QObject>

class DayContext;

struct CalculatorState
{
    bool twoDatesMode = false;
    QDate firstDate; // null until the first date of a pair is picked
    bool firstDatePicked = false; // the next pick or typed count completes the pair
};

// The one writer of the line that sums the span up. A message (what an import gave, a calendar
// skipped) takes the line until the span is next summed up: when the pointer or the keys move,
// an answer or a first date is given, the calculation type is chosen, or anything the span is
// counted in changes (the holidays, the calendar, the region, a new day). What a message reports
// on is therefore handed to the context before the message is said.
class Calculator : public QObject
{
    Q_OBJECT

public:
    enum CalculationType { DaysFromNow = 0, DaysBetweenTwoDates = 1 };

    // Dates are written, counted and summed up as the context says, each time anew.
    Calculator(Controls &controls, DayContext &context, QObject *parent = nullptr);

    // Fills the controls, once, before the window is first shown.
    void start();
    // A calculation type was chosen in the drop-down.
    void calculationTypeChosen(int type);
    // A day was picked on the calendar.
    void datePicked(QDate picked);
    // The user points at a day on the calendar or moves the selection to one; null once the
    // pointer has left the days.
    void datePointed(QDate day);
    // "Calculate Date" was pressed.
    void calculateDate();
    // Said on the summary line until the span is next summed up.
    void showMessage(const QString &text);

    const CalculatorState &state() const { return m_state; }

private:
    ResultTexts texts() const;
    void completePair(QDate second, qint64 dayCount);
    void todayChanged(QDate newToday);
    void showInputError(const QString &message);
    void countSpan(const SpanRule &rule);
    void showSpan();

    Controls &m_controls;
    DayContext &m_context;
    CalculatorState m_state;
    SpanRule m_spanRule;
    QDate m_pointed;
};
