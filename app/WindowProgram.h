// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop runs it: the window.
#pragma once

#include "CalendarSystem.h"

#include <QList>

#include <optional>

// Makes the application object, reads the day context from the environment and the settings,
// keeps the settings the user changes, and shows the window until it is closed. A calendar or a
// working week given for this run is used without being remembered. The program's exit status.
int runWindow(int &argc, char **argv, std::optional<CalendarSystem> calendarForThisRun,
              const std::optional<QList<Qt::DayOfWeek>> &workingWeekForThisRun);
