// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks for, and the usage that answers --help.
#pragma once

#include "CalendarSystem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks for, read before any window exists, so that --help and --version
// answer without a display. Qt's own options (-style, -platform, ...) are left to Qt.
// Holiday calendars are imported, listed and removed without a window, and date questions
// answered, too.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action {
        ShowWindow,
        ShowHelp,
        ShowVersion,
        ImportHolidays,
        ListHolidays,
        RemoveHolidays,
        Between,
        DaysFrom,
        Refuse
    };

    Action action = Action::ShowWindow;
    QString error;
    QStringList values; // the files to import, or the question's date and date, or date and days
    bool isoDates = false;
    std::optional<CalendarSystem> calendar; // for this run only
    QString name; // of the holiday calendar to remove

    static CommandLine parse(const QStringList &arguments);
    static QString usage();
};
