// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the calendars.
#include "CalendarMenu.h"

#include "DayContext.h"

#include <QActionGroup>

CalendarMenu::CalendarMenu(DayContext &context, QWidget *parent)
    : QMenu(tr("Calendar"), parent)
{
    auto *group = new QActionGroup(this);
    const std::pair<CalendarSystem, QString> calendars[] = {
            {CalendarSystem::Gregorian, tr("Gregorian")},
            {CalendarSystem::Persian, tr("Persian (Solar Hijri)")},
            {CalendarSystem::Islamic, tr("Islamic (tabular)")},
            //: The calendar's menu: the Hebrew (Jewish) calendar, with its thirteen-month years
            {CalendarSystem::Hebrew, tr("Hebrew")},
    };
    for (const auto &[listed, name] : calendars) {
        const CalendarSystem system = listed; // a lambda may not capture a structured binding
        QAction *action = addAction(name, &context,
                                    [&context, system] { context.setCalendarSystem(system); });
        action->setCheckable(true);
        action->setChecked(system == context.calendarSystem());
        connect(&context, &DayContext::calendarChanged, action, [action, &context, system] {
            action->setChecked(system == context.calendarSystem());
        });
        group->addAction(action);
    }
    // Said where the calendar is chosen, and nowhere else.
    addAction(tr("Official Islamic dates follow the moon and may differ by a day or two."))
            ->setEnabled(false);
}
