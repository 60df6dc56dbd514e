// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the calendars.
#include "CalendarMenu.h"

#include "DayContext.h"

#include <QActionGroup>

CalendarMenu::CalendarMenu(DayContext &context, QWidget *parent)
    //: The calendar's menu: the submenu that chooses the calendar dates are shown in.
    : QMenu(tr("Calendar"), parent)
{
    auto *group = new QActionGroup(this);
    const std::pair<CalendarSystem, QString> calendars[] = {
            //: The calendar's menu: the Gregorian calendar.
            {CalendarSystem::Gregorian, tr("Gregorian")},
            //: The calendar's menu: the Persian (Solar Hijri, Jalali) calendar, official in Iran
            //: and Afghanistan.
            {CalendarSystem::Persian, tr("Persian (Solar Hijri)")},
            //: The calendar's menu: the tabular (arithmetical) Islamic calendar.
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
    //: Tooltip of the Islamic calendar's menu item.
    addAction(tr("Official Islamic dates follow the moon and may differ by a day or two."))
            ->setEnabled(false);
}
