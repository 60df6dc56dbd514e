// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operations the calculator performs on the window's controls. The window carries them out
// on real widgets; tests carry them out on a fake, so every handler runs without a window.
#pragma once

#include "CalendarSpan.h"

#include <QDate>
#include <QString>

// The instruction's background: normal, or alarmed by an input error until a later step calms
// it.
enum class InstructionColour { Normal, Error };

class Controls
{
public:
    virtual ~Controls() = default;

    virtual void setInstruction(const QString &text) = 0;
    virtual void setInstructionColour(InstructionColour colour) = 0;

    // Lines are separated by line feeds.
    virtual void setResults(const QString &text) = 0;

    virtual QString dayCountText() const = 0;
    virtual void setDayCountText(const QString &text) = 0;

    virtual void setCalculateEnabled(bool enabled) = 0;

    // Selects the date and brings its month into view; refuses (returns false and keeps the
    // current date) a date the calendar does not offer.
    virtual bool setCalendarDate(QDate date) = 0;
    virtual void setCalendarSpan(const CalendarSpan &span) = 0;
    // The line under the months that sums the span up; empty while no span is shown.
    virtual void setSpanSummary(const QString &text) = 0;

    virtual void addCalculationType(const QString &text) = 0;
    // -1 while no calculation type is selected.
    virtual int selectedCalculationType() const = 0;
    // Selecting from code runs no handler; the caller does what the selection implies.
    virtual void selectCalculationType(int index) = 0;
};
