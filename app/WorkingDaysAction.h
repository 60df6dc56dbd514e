// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "N working days from here…" in the calendar's menu.
#pragma once

#include <QAction>

class DayContext;
class MonthCalendar;

// Asks for a count of working days, in the region's digits, and picks the day that many working
// days from the day the menu was opened on, as a click on it would. The count offered reaches
// the range's ends and no further.
class WorkingDaysAction : public QAction
{
    Q_OBJECT

public:
    WorkingDaysAction(DayContext &context, MonthCalendar &calendar);

private:
    void ask();

    DayContext &m_context;
    MonthCalendar &m_calendar;
    int m_count = 1; // the last count asked for, offered again
};
