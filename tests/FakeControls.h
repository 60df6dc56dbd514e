// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Control operations on plain fields, so that the calculator runs without a window.
#pragma once

#include "CalendarRange.h"
#include "Controls.h"

#include <QStringList>

// The fields start as the window's widgets are made.
class FakeControls final : public Controls
{
public:
    QString instruction, results, spanSummary;
    InstructionColour instructionColour = InstructionColour::Normal;
    QString dayCount = QStringLiteral("0");
    bool calculateEnabled = true;
    QDate calendar;
    CalendarSpan span;
    QStringList calculationTypes;
    int selectedType = -1;

    void setInstruction(const QString &text) override { instruction = text; }
    void setInstructionColour(InstructionColour colour) override { instructionColour = colour; }
    void setResults(const QString &text) override { results = text; }
    QString dayCountText() const override { return dayCount; }
    void setDayCountText(const QString &text) override { dayCount = text; }
    void setCalculateEnabled(bool enabled) override { calculateEnabled = enabled; }
    bool setCalendarDate(QDate date) override
    {
        if (!CalendarRange::contains(date))
            return false;
        calendar = date;
        return true;
    }
    void setCalendarSpan(const CalendarSpan &shown) override { span = shown; }
    void setSpanSummary(const QString &text) override { spanSummary = text; }
    void addCalculationType(const QString &text) override { calculationTypes << text; }
    int selectedCalculationType() const override { return selectedType; }
    void selectCalculationType(int index) override { selectedType = index; }
};
