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
            //: --help's list of the calendar's keys: the keys' names.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Arrow keys"),
             //: --help: what the arrow keys do on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a day or a week."),
             {{Qt::Key_Left, PreviousDay},
              {Qt::Key_Right, NextDay},
              {Qt::Key_Up, PreviousWeek},
              {Qt::Key_Down, NextWeek}}},
            //: --help: key names, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Page Up, Page Down"),
             //: --help: what Page Up and Page Down do on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a month."),
             {{Qt::Key_PageUp, PreviousMonth}, {Qt::Key_PageDown, NextMonth}}},
            //: --help: key names, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Ctrl+Page Up, Ctrl+Page Down"),
             //: --help: what Ctrl with Page Up or Page Down does on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys", "Move the selection by a year."),
             {{Qt::ControlModifier | Qt::Key_PageUp, PreviousYear},
              {Qt::ControlModifier | Qt::Key_PageDown, NextYear}}},
            //: --help: key names, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Home, End"),
             //: --help: what Home and End do on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys",
                               "Move the selection to the first or last day of its month."),
             {{Qt::Key_Home, FirstDayOfMonth}, {Qt::Key_End, LastDayOfMonth}}},
            //: --help: the key's name, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Return"),
             //: --help: what Return does on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys", "Pick the selected day."),
             {{Qt::Key_Return, Pick}, {Qt::Key_Enter, Pick}, {Qt::Key_Select, Pick}}},
            //: --help: the key's name; the letter M is the key pressed, whatever the menu is
            //: called.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Alt+M"),
             //: --help: what Alt+M does on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys", "Open the month menu."),
             {{Qt::AltModifier | Qt::Key_M, OpenMonthMenu}}},
            //: --help: the key's name; the letter Y is the key pressed, whatever the year box is
            //: called.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Alt+Y"),
             //: --help: what Alt+Y does on the calendar.
             QT_TRANSLATE_NOOP("CalendarKeys",
                               "Take the keyboard into the year box; Return or "
                               "Escape goes back to the days."),
             {{Qt::AltModifier | Qt::Key_Y, EditYear}}},
            //: --help: the key's name, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Ctrl+C"),
             //: --help: what Ctrl+C does on the calendar: copies the line under the months.
             QT_TRANSLATE_NOOP("CalendarKeys", "Copy the summary of the shaded span."),
             // The copy keys of Linux desktops.
             {{Qt::ControlModifier | Qt::Key_C, CopySpanSummary},
              {Qt::ControlModifier | Qt::Key_Insert, CopySpanSummary},
              {Qt::Key_Copy, CopySpanSummary}}},
            //: --help: key names, as printed on keyboards in your language.
            {QT_TRANSLATE_NOOP("CalendarKeys", "Menu, Shift+F10"),
             //: --help: what the Menu key does on the calendar.
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

std::optional<CalendarCommand> CalendarKeys::command(QKeyCombination pressed,
                                                     Qt::LayoutDirection direction)
{
    const Qt::KeyboardModifiers held = pressed.keyboardModifiers();
    if (direction == Qt::RightToLeft && pressed.key() == Qt::Key_Left)
        pressed = QKeyCombination(held, Qt::Key_Right);
    else if (direction == Qt::RightToLeft && pressed.key() == Qt::Key_Right)
        pressed = QKeyCombination(held, Qt::Key_Left);
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
