// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a command line.
#include "CommandLineProgram.h"

#include "CommandLine.h"
#include "DayContext.h"
#include "HolidayStore.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QTextStream>

int runCommandLine(int &argc, char **argv, const CommandLine &line)
{
    const QCoreApplication application(argc, argv);
    QTextStream out(stdout), errors(stderr);
    return answerCommandLine(line, out, errors);
}

int answerCommandLine(const CommandLine &line, QTextStream &out, QTextStream &errors)
{
    if (!line.error.isEmpty()) {
        errors << "daywright: " << line.error << "\n\n" << CommandLine::usage();
        return 2;
    }
    DayContext context(&QDate::currentDate, RegionalSettings::fromEnvironment());
    Settings().restore(context, line.calendar);
    const HolidayStore store;
    return line.command->answer({line, context, store, out, errors});
}
