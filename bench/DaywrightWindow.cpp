// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, as in main, with the first frame reported.
#include "CalculatorWindow.h"
#include "FirstPaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("daywright")); // its stored holidays
    QApplication app(argc, argv);
    CalculatorWindow window(&QDate::currentDate, RegionalSettings::fromEnvironment(),
                            HolidayStore());
    return showAndReportFirstPaint(window);
}
