// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists and removes holiday calendars for the command line.
#include "HolidayCommands.h"

#include "CommandLine.h"
#include "DayContext.h"
#include "HolidayStore.h"
#include "HolidayTexts.h"

#include <QCollator>
#include <QTextStream>

#include <algorithm>

int HolidayCommands::importFiles(const CommandInput &input)
{
    int status = 0;
    for (const QString &path : input.line.values) {
        const auto result = input.store.import(path);
        if (const auto *imported = std::get_if<HolidayStore::Imported>(&result)) {
            input.out << HolidayTexts::imported(imported->name, imported->daysOff,
                                                imported->skipped)
                      << Qt::endl;
        } else {
            //: On standard error when a file is refused by --import-holidays. %1: the file; %2:
            //: why.
            input.errors << tr("daywright: %1: %2").arg(path, std::get<QString>(result))
                         << Qt::endl;
            status = 1;
        }
    }
    return status;
}

int HolidayCommands::list(const CommandInput &input)
{
    if (input.line.values.isEmpty()) {
        for (const QString &name : input.store.names())
            input.out << name << Qt::endl;
        return 0;
    }
    const QString &name = input.line.values.first();
    const auto sources = input.store.sources();
    const auto source = std::find_if(sources.begin(), sources.end(),
                                     [&name](const auto &each) { return each->name() == name; });
    if (source == sources.end()) {
        //: On standard error; %1: the name given for a holiday calendar
        input.errors << tr("daywright: no holiday calendar is named '%1'").arg(name) << Qt::endl;
        return 1;
    }
    const std::variant<Holidays, QString> read = (*source)->holidaysWithin({});
    if (const auto *why = std::get_if<QString>(&read)) {
        input.errors << "daywright: " << HolidayTexts::refused(name, *why) << Qt::endl;
        return 1;
    }
    const auto choice = input.store.notCounted(name);
    if (const auto *why = std::get_if<QString>(&choice))
        input.errors << "daywright: " << HolidayTexts::unreadChoice(name, *why) << Qt::endl;
    const auto *notCounted = std::get_if<QSet<QString>>(&choice);
    QStringList events = std::get<Holidays>(read).eventNames();
    std::sort(events.begin(), events.end(), QCollator(input.context.regions().dates));
    //: --list-holidays NAME, for an event that counts; %1: its name
    const QString dayOff = tr("%1: day off");
    //: --list-holidays NAME, for an event left out; %1: its name
    const QString notDayOff = tr("%1: not a day off");
    for (const QString &event : events) {
        const bool counted = !notCounted || !notCounted->contains(event);
        input.out << (counted ? dayOff : notDayOff).arg(event) << Qt::endl;
    }
    return 0;
}

int HolidayCommands::remove(const CommandInput &input)
{
    const QString &name = input.line.values.first();
    if (input.store.remove(name))
        return 0;
    //: On standard error when --remove-holidays finds no such calendar. %1: the name as typed.
    input.errors << tr("daywright: no holiday calendar named '%1' can be removed").arg(name)
                 << Qt::endl;
    return 1;
}
