// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dates the calendar offers and every answer must stay within.
#pragma once

#include <QDate>

namespace CalendarRange {

inline QDate first()
{
    return QDate(1753, 1, 1);
}
inline QDate last()
{
    return QDate(9999, 12, 31);
}
inline bool contains(QDate date)
{
    return date >= first() && date <= last();
}

} // namespace CalendarRange

// Some days of the calendar's range, all of it unless narrowed.
struct DateRange
{
    QDate first = CalendarRange::first();
    QDate last = CalendarRange::last();

    bool contains(QDate date) const { return date >= first && date <= last; }
};
