// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers between runs, in one place.
#pragma once

#include "CalendarSystem.h"

#include <QList>
#include <QObject>

#include <optional>

class DayContext;

// The calendar chosen, whether week numbers are shown and the working week chosen, kept with
// QSettings in $XDG_CONFIG_HOME/daywright.conf. Nothing else reads or writes that file: menus
// change the day context, and the settings keep what they changed.
class Settings : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Sets the context to what was remembered. A calendar or a working week given for this run
    // replaces the remembered one without being remembered itself; a stored value this version
    // cannot read is passed over, as if none were stored.
    void restore(DayContext &context, std::optional<CalendarSystem> calendarForThisRun = {},
                 const std::optional<QList<Qt::DayOfWeek>> &workingWeekForThisRun = {}) const;
    // From now on, remembers each change of the context that is kept between runs.
    void keepChangesOf(DayContext &context);
};
