// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the remembered settings into the day context, and writes its changes back.
#include "Settings.h"

#include "DayContext.h"
#include "WorkingWeek.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString calendarKey = QStringLiteral("calendar/system");
const QString weekNumbersKey = QStringLiteral("calendar/weekNumbers");
// In the command line's words ("sun,mon,tue,wed,thu"); absent while the region's week holds.
const QString workingWeekKey = QStringLiteral("calendar/workingWeek");

// The program's name as the settings' owner: one file, daywright.conf.
QSettings file()
{
    return QSettings(QCoreApplication::applicationName());
}

} // namespace

void Settings::restore(DayContext &context, std::optional<CalendarSystem> calendarForThisRun,
                       const std::optional<QList<Qt::DayOfWeek>> &workingWeekForThisRun) const
{
    const QSettings stored = file();
    if (const auto calendar = calendarForThisRun
                ? calendarForThisRun
                : calendarNamed(stored.value(calendarKey).toString()))
        context.setCalendarSystem(*calendar);
    context.setWeekNumbersShown(stored.value(weekNumbersKey).toBool());
    const auto storedWeek = WorkingWeek::read(stored.value(workingWeekKey).toString());
    if (workingWeekForThisRun)
        context.setWorkingWeek(workingWeekForThisRun);
    else if (const auto *week = std::get_if<WorkingWeek::Days>(&storedWeek))
        context.setWorkingWeek(*week);
}

void Settings::keepChangesOf(DayContext &context)
{
    connect(&context, &DayContext::calendarChanged, this,
            [&context] { file().setValue(calendarKey, nameOf(context.calendarSystem())); });
    connect(&context, &DayContext::weekNumbersShownChanged, this,
            [](bool shown) { file().setValue(weekNumbersKey, shown); });
    connect(&context, &DayContext::workingWeekChanged, this, [&context] {
        if (context.workingWeekIsRegions())
            file().remove(workingWeekKey);
        else
            file().setValue(workingWeekKey, WorkingWeek::write(context.workingWeek()));
    });
}
