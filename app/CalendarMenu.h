// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Calendar" submenu: the calendar the year view and the answers use.
#pragma once

#include <QMenu>

class DayContext;

// Gregorian, Persian or Islamic (tabular): a choice changes the context, and the check follows
// the context's calendar.
class CalendarMenu : public QMenu
{
    Q_OBJECT

public:
    explicit CalendarMenu(DayContext &context, QWidget *parent = nullptr);
};
