// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists and removes holiday calendars for the command line.
#include "HolidayCommands.h"

int HolidayCommands::run(const CommandLine &command, const HolidayStore &store, QTextStream &out,
                         QTextStream &errors)
{
    int status = 0;
    switch (command.action) {
    case CommandLine::Action::ImportHolidays:
        for (const QString &path : command.values) {
            const auto result = store.import(path);
            if (const auto *imported = std::get_if<HolidayStore::Imported>(&result)) {
                out << imported->summary() << Qt::endl;
            } else {
                errors << tr("daywright: %1: %2").arg(path, std::get<QString>(result)) << Qt::endl;
                status = 1;
            }
        }
        break;
    case CommandLine::Action::ListHolidays:
        for (const QString &name : store.names())
            out << name << Qt::endl;
        break;
    case CommandLine::Action::RemoveHolidays:
        if (!store.remove(command.name)) {
            errors << tr("daywright: no holiday calendar named '%1' can be removed")
                              .arg(command.name)
                   << Qt::endl;
            status = 1;
        }
        break;
    default:
        break;
    }
    return status;
}
