// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows and changes whether week numbers are shown.
#include "WeekNumbersAction.h"

#include "DayContext.h"

WeekNumbersAction::WeekNumbersAction(DayContext &context, QObject *parent)
    //: The calendar's menu: shows the ISO 8601 week numbers beside the weeks. Checkable.
    : QAction(tr("Week numbers"), parent)
{
    setCheckable(true);
    setChecked(context.weekNumbersShown());
    connect(this, &QAction::toggled, &context, &DayContext::setWeekNumbersShown);
    connect(&context, &DayContext::weekNumbersShownChanged, this, &QAction::setChecked);
}
