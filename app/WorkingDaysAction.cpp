// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Asks for a count of working days and picks the day it reaches.
#include "WorkingDaysAction.h"

#include "CalendarRange.h"
#include "DayContext.h"
#include "MonthCalendar.h"
#include "ResultTexts.h"
#include "WorkingWeek.h"

#include <QInputDialog>

WorkingDaysAction::WorkingDaysAction(DayContext &context, MonthCalendar &calendar)
    //: The calendar's menu: asks for a number N and picks the day N working days from the day
    //: the menu was opened on.
    : QAction(tr("N working days from here…"), &calendar)
    , m_context(context)
    , m_calendar(calendar)
{
    connect(this, &QAction::triggered, this, &WorkingDaysAction::ask);
}

void WorkingDaysAction::ask()
{
    const QDate here = m_calendar.menuDate();
    const QList<Qt::DayOfWeek> &week = m_context.workingWeek();
    const Holidays &holidays = m_context.holidays();
    const auto workingDays = [&](QDate from, QDate to) {
        return int(netWorkingDaysBetween(from, to, week, holidays));
    };
    QInputDialog dialog(&m_calendar);
    // Counts are typed as the region writes numbers, its digits too.
    dialog.setLocale(m_context.regions().numbers);
    dialog.setInputMode(QInputDialog::IntInput);
    //: The title of the dialog that asks how many working days from a day.
    dialog.setWindowTitle(tr("Working days"));
    const ResultTexts texts(m_context.regions().dates, ResultTexts::DateStyle::Regional,
                            m_context.calendarSystem());
    //: Asking for a count of working days; %1 is the day counted from, which is not counted.
    dialog.setLabelText(tr("Working days after %1 (negative: before it):").arg(texts.date(here)));
    dialog.setIntRange(-workingDays(CalendarRange::first().addDays(-1), here.addDays(-1)),
                       workingDays(here, CalendarRange::last()));
    dialog.setIntValue(m_count);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_count = dialog.intValue();
    if (const std::optional<QDate> target = workingDaysFrom(here, m_count, week, holidays))
        m_calendar.pick(*target);
}
