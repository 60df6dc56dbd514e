// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's keys in one table, which the key handling, screen readers, --help and the man
// page all read.
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QKeyCombination>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

class Calendar;

enum class CalendarCommand {
    PreviousDay,
    NextDay,
    PreviousWeek,
    NextWeek,
    PreviousMonth,
    NextMonth,
    PreviousYear,
    NextYear,
    FirstDayOfMonth,
    LastDayOfMonth,
    Pick,
    OpenMonthMenu,
    EditYear,
    CopySpanSummary,
    OpenCalendarMenu,
};

class CalendarKeys
{
    Q_DECLARE_TR_FUNCTIONS(CalendarKeys)

public:
    // The command the keys give. Modifiers that no binding of the key names are ignored, so that
    // Shift+Left and the keypad's Left move as Left does. Where the weeks run from the right,
    // Left moves on to the next day and Right back, as the eye reads.
    static std::optional<CalendarCommand> command(QKeyCombination pressed,
                                                  Qt::LayoutDirection direction = Qt::LeftToRight);
    // Where a command that moves the selection takes it from the date, by the calendar's months
    // and years; nothing for the others.
    static std::optional<QDate> moved(QDate from, CalendarCommand command,
                                      const Calendar &calendar);
    // Each group of keys as users name them, and what they do, in the table's order.
    static QList<std::pair<QString, QString>> descriptions();
};
