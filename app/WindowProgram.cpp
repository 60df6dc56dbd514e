// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the window.
#include "WindowProgram.h"

#include "CalculatorWindow.h"
#include "DayContext.h"
#include "Settings.h"

#include <QApplication>

int runWindow(int &argc, char **argv, std::optional<CalendarSystem> calendarForThisRun,
              const std::optional<QList<Qt::DayOfWeek>> &workingWeekForThisRun)
{
    QApplication application(argc, argv);
    // Wayland matches the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daywright.Daywright"));
    DayContext context(&QDate::currentDate, RegionalSettings::fromEnvironment());
    Settings settings;
    settings.restore(context, calendarForThisRun, workingWeekForThisRun);
    settings.keepChangesOf(context);
    CalculatorWindow window(context, HolidayStore());
    window.show();
    return QApplication::exec();
}
