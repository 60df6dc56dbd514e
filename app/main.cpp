// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Daywright: the command line answers without a display, else the window opens.
#include "CommandLine.h"
#include "CommandLineProgram.h"
#include "WindowProgram.h"

int main(int argc, char *argv[])
{
    // The name the user's settings and data folder are kept under.
    QCoreApplication::setApplicationName(QStringLiteral("daywright"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::parse(arguments);
    if (line.opensWindow())
        return runWindow(argc, argv, line.calendar, line.workingWeek);
    return runCommandLine(argc, argv, line);
}
