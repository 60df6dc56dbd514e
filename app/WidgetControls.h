// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's control operations, carried out on the window's widgets.
#pragma once

#include "Controls.h"

class MonthCalendar;
class QComboBox;
class QLabel;
class DayCountBox;
class QPlainTextEdit;
class QPushButton;

class WidgetControls final : public Controls
{
public:
    struct Widgets
    {
        QLabel *instruction;
        QPlainTextEdit *results;
        DayCountBox *dayCount;
        QPushButton *calculate;
        MonthCalendar *calendar;
        QComboBox *calculationTypes;
    };

    explicit WidgetControls(const Widgets &widgets)
        : m_widgets(widgets)
    { }

    void setInstruction(const QString &text) override;
    void setInstructionColour(InstructionColour colour) override;
    void setResults(const QString &text) override;
    QString dayCountText() const override;
    void setDayCountText(const QString &text) override;
    void setCalculateEnabled(bool enabled) override;
    bool setCalendarDate(QDate date) override;
    void setCalendarSpan(const CalendarSpan &span) override;
    void setSpanSummary(const QString &text) override;
    void addCalculationType(const QString &text) override;
    int selectedCalculationType() const override;
    void selectCalculationType(int index) override;

private:
    Widgets m_widgets;
};
