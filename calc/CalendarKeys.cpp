// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the calendar's keys and what each does.
#include "CalendarKeys.h"

#include "Calendar.h"

#include <bit>

namespace {

struct Binding
{
    QKeyCombination keys;
    CalendarCommand command;
};

struct KeyGroup
{
    const char *keys;
    const char *action;
    QList<Binding> bindings;
};

using enum CalendarCommand;

const QList<KeyGroup> &keyGroups()
{
    static const QList<KeyGroup> groups = {
            {QT_TRANSLATE_NOOP("CalendarKeys", "Arrow keys"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a day or a week."),
             {{Qt::Key_Left, PreviousDay},
              {Qt::Key_Right, NextDay},
              {Qt::Key_Up, PreviousWeek},
              {Qt::Key_Down, NextWeek}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Page Up, Page Down"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a month."),
             {{Qt::Key_PageUp, PreviousMonth}, {Qt::Key_PageDown, NextMonth}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Ctrl+Page Up, Ctrl+Page Down"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a year."),
             {{Qt::ControlModifier | Qt::Key_PageUp, PreviousYear},
              {Qt::ControlModifier | Qt::Key_PageDown, NextYear}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Home, End"),
             QT_TRANSLATE_NOOP("CalendarKeys",
                               "Move the selection to the first or last day of its month."),
             {{Qt::Key_Home, FirstDayOfMonth}, {Qt::Key_End, LastDayOfMonth}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Return"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Pick the selected day."),
             {{Qt::Key_Return, Pick}, {Qt::Key_Enter, Pick}, {Qt::Key_Select, Pick}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Alt+M"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Open the month menu."),
             {{Qt::AltModifier | Qt::Key_M, OpenMonthMenu}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Alt+Y"),
             QT_TRANSLATE_NOOP("CalendarKeys",
                               "Take the keyboard into the year box; Return or "
                               "Escape goes back to the days."),
             {{Qt::AltModifier | Qt::Key_Y, EditYear}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Ctrl+C"),
             QT_TRANSLATE_NOOP("CalendarKeys", "Copy the summary of the shaded span."),
             // The copy keys of Linux desktops.
             {{Qt::ControlModifier | Qt::Key_C, CopySpanSummary},
              {Qt::ControlModifier | Qt::Key_Insert, CopySpanSummary},
              {Qt::Key_Copy, CopySpanSummary}}},
            {QT_TRANSLATE_NOOP("CalendarKeys", "Menu, Shift+F10"),
             QT_TRANSLATE_NOOP(
                     "CalendarKeys",
                     "Open the calendar's menu: working days, holidays, week numbers and the "
                     "calendar."),
             {{Qt::Key_Menu, OpenCalendarMenu},
              {Qt::ShiftModifier | Qt::Key_F10, OpenCalendarMenu}}},
    };
    return groups;
}

int count(Qt::KeyboardModifiers modifiers)
{
    return std::popcount(uint(modifiers.toInt()));
}

} // namespace

std::optional<CalendarCommand> CalendarKeys::command(QKeyCombination pressed)
{
    const Qt::KeyboardModifiers held = pressed.keyboardModifiers();
    // Of the bindings whose modifiers are all held, the one that names the most wins: Ctrl+Page
    // Up over Page Up. Modifiers no binding names, the keypad's among them, count for nothing.
    const Binding *best = nullptr;
    for (const KeyGroup &group : keyGroups()) {
        for (const Binding &binding : group.bindings) {
            const Qt::KeyboardModifiers needed = binding.keys.keyboardModifiers();
            if (binding.keys.key() != pressed.key() || (held & needed) != needed)
                continue;
            if (!best || count(needed) > count(best->keys.keyboardModifiers()))
                best = &binding;
        }
    }
    return best ? std::optional(best->command) : std::nullopt;
}

std::optional<QDate> CalendarKeys::moved(QDate from, CalendarCommand command,
                                         const Calendar &calendar)
{
    switch (command) {
    case PreviousDay:
        return from.addDays(-1);
    case NextDay:
        return from.addDays(1);
    case PreviousWeek:
        return from.addDays(-7);
    case NextWeek:
        return from.addDays(7);
    case PreviousMonth:
        return calendar.addMonths(from, -1);
    case NextMonth:
        return calendar.addMonths(from, 1);
    case PreviousYear:
        return calendar.addYears(from, -1);
    case NextYear:
        return calendar.addYears(from, 1);
    case FirstDayOfMonth:
        return calendar.firstOfMonth(from);
    case LastDayOfMonth:
        return from.addDays(calendar.daysInMonth(from) - calendar.day(from));
    case Pick:
    case OpenMonthMenu:
    case EditYear:
    case CopySpanSummary:
    case OpenCalendarMenu:
        break;
    }
    return std::nullopt;
}

QList<std::pair<QString, QString>> CalendarKeys::descriptions()
{
    QList<std::pair<QString, QString>> described;
    for (const KeyGroup &group : keyGroups())
        described.append({tr(group.keys), tr(group.action)});
    return described;
}
