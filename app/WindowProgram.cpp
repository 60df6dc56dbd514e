// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the window.
#include "WindowProgram.h"

#include "CalculatorWindow.h"
#include "DayContext.h"
#include "Settings.h"
#include "Translations.h"

#include <QApplication>

namespace {

// The window mirrors for a right-to-left language: Qt reads the direction from the translations.
//: Not shown: write RTL for a language written from right to left, else LTR.
[[maybe_unused]] constexpr const char *layoutDirection
        = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

int runWindow(int &argc, char **argv, std::optional<CalendarSystem> calendarForThisRun,
              const std::optional<QList<Qt::DayOfWeek>> &workingWeekForThisRun)
{
    QApplication application(argc, argv);
    Translations::install(Translations::languagesFromEnvironment(), true);
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
