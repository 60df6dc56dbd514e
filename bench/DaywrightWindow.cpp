// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as runWindow does it, with the first frame reported.
#include "CalculatorWindow.h"
#include "DayContext.h"
#include "FirstPaint.h"
#include "Settings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("daywright")); // its stored holidays
    QApplication app(argc, argv);
    DayContext context(&QDate::currentDate, RegionalSettings::fromEnvironment());
    Settings settings;
    settings.restore(context);
    settings.keepChangesOf(context);
    CalculatorWindow window(context, HolidayStore());
    return showAndReportFirstPaint(window);
}
