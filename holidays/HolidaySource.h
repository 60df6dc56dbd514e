// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A named set of holidays, read from somewhere.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"

#include <QString>

#include <variant>

// The store keeps its calendars as sources: an iCalendar file today. Another kind (a
// subscription to an address, a table that comes with the program) is one more implementation,
// and what reads the store's holidays does not change.
class HolidaySource
{
public:
    virtual ~HolidaySource() = default;

    // How the user knows the holidays: "national" for national.ics.
    virtual QString name() const = 0;
    // The holidays within the range, or why none can be read ("it is not an iCalendar file").
    virtual std::variant<Holidays, QString> holidaysWithin(const DateRange &range) const = 0;
};
