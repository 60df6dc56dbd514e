// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists and removes holiday calendars for the command line.
#include "HolidayCommands.h"

#include "CommandLine.h"
#include "HolidayStore.h"
#include "HolidayTexts.h"

#include <QTextStream>

int HolidayCommands::importFiles(const CommandInput &input)
{
    int status = 0;
    for (const QString &path : input.line.values) {
        const auto result = input.store.import(path);
        if (const auto *imported = std::get_if<HolidayStore::Imported>(&result)) {
            input.out << HolidayTexts::imported(imported->name, imported->holidays.dayCount(),
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
    for (const QString &name : input.store.names())
        input.out << name << Qt::endl;
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
