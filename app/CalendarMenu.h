// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Calendar" submenu: the calendar the year view and the answers use, remembered between runs.
#pragma once

#include "CalendarSystem.h"

#include <QMenu>

#include <optional>

// Gregorian, Persian or Islamic (tabular). The user's choice is kept in
// $XDG_CONFIG_HOME/daywright.conf; a calendar given on the command line holds for one run only.
class CalendarMenu : public QMenu
{
    Q_OBJECT

public:
    CalendarMenu(CalendarSystem shown, QWidget *parent = nullptr);

    // The calendar asked for on the command line, else the one the user last chose, else the
    // region's own.
    static CalendarSystem atStart(std::optional<CalendarSystem> forThisRun, const QLocale &region);

signals:
    void chosen(CalendarSystem calendar);
};
