// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the days of the week as working days, and the region's week.
#include "WorkingWeekMenu.h"

#include "DayContext.h"
#include "WorkingWeek.h"

WorkingWeekMenu::WorkingWeekMenu(DayContext &context, QWidget *parent)
    //: The calendar's menu: the submenu of the days counted as working days.
    : QMenu(tr("Working week"), parent)
    , m_context(context)
    //: The Working week menu: counting by the region's usual working week again.
    , m_regions(addAction(tr("As the region says")))
{
    m_regions->setCheckable(true);
    connect(m_regions, &QAction::triggered, this, [this] {
        m_context.setWorkingWeek(std::nullopt);
        showWeek();
    });
    addSeparator();
    addDays();
    connect(&context, &DayContext::regionsChanged, this, &WorkingWeekMenu::addDays);
    connect(&context, &DayContext::workingWeekChanged, this, &WorkingWeekMenu::showWeek);
}

// The region's first day of the week first, each by its name standing alone.
void WorkingWeekMenu::addDays()
{
    const QList<QAction *> shown = actions();
    for (QAction *day : shown.mid(2))
        delete day;
    const QLocale &region = m_context.regions().dates;
    for (int i = 0; i < 7; ++i) {
        const auto day = Qt::DayOfWeek((region.firstDayOfWeek() - 1 + i) % 7 + 1);
        QAction *action = addAction(region.standaloneDayName(day));
        action->setCheckable(true);
        action->setData(day);
        connect(action, &QAction::triggered, this,
                [this, day](bool working) { toggle(day, working); });
    }
    showWeek();
}

void WorkingWeekMenu::showWeek()
{
    m_regions->setChecked(m_context.workingWeekIsRegions());
    for (QAction *day : actions().mid(2))
        day->setChecked(m_context.workingWeek().contains(Qt::DayOfWeek(day->data().toInt())));
}

void WorkingWeekMenu::toggle(Qt::DayOfWeek day, bool working)
{
    QList<Qt::DayOfWeek> week = m_context.workingWeek();
    if (working)
        week << day;
    else
        week.removeAll(day);
    if (!m_context.setWorkingWeek(week))
        emit message(WorkingWeek::noWorkingDay());
    showWeek(); // a refused change unchecked again, or one that changed nothing
}
