// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Answers a command line.
#include "CommandLineProgram.h"

#include "CommandLine.h"
#include "DayContext.h"
#include "HolidayStore.h"
#include "Settings.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A closed standard descriptor is the lowest one free, which the next file opened (the event
// loop's own, first) would take, and the answer with it. Descriptors open for reading alone hold
// their places, and refuse every write to standard output or error, so that the loss is seen.
void holdClosedStandardDescriptors()
{
    for (int opened = 0; opened <= STDERR_FILENO;) {
        opened = open("/dev/null", O_RDONLY);
        if (opened > STDERR_FILENO)
            close(opened);
        if (opened == -1)
            return;
    }
}

} // namespace

int runCommandLine(int &argc, char **argv, const CommandLine &line)
{
    holdClosedStandardDescriptors();
    const QCoreApplication application(argc, argv);
    // A refusal names Qt's own reasons too ("Unknown option"), in Qt's words.
    Translations::install(Translations::languagesFromEnvironment(), !line.error.isEmpty());
    QTextStream out(stdout), errors(stderr);
    // The command line was read before there was a language to refuse it in.
    if (!line.error.isEmpty())
        return answerCommandLine(CommandLine::parse(QCoreApplication::arguments()), out, errors);
    return answerCommandLine(line, out, errors);
}

int answerCommandLine(const CommandLine &line, QTextStream &out, QTextStream &errors)
{
    if (!line.error.isEmpty()) {
        errors << CommandLine::refusal(line.error);
        return 2;
    }
    DayContext context(&QDate::currentDate, RegionalSettings::fromEnvironment());
    Settings().restore(context, line.calendar, line.workingWeek);
    const HolidayStore store;
    const int status = line.command->answer({line, context, store, out, errors});
    // An answer lost to a full disk or a closed standard output must not pass for one given.
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    //: On standard error when the answer could not be written. %1: the system's reason.
    errors << QCoreApplication::translate("CommandLine",
                                          "daywright: the answer could not be written: %1\n")
                      .arg(out.device()->errorString());
    return std::max(status, 1);
}
