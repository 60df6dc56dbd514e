// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: its commands in one table, what a command line asks for, and the usage that
// answers --help.
#pragma once

#include "CalendarSystem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class DayContext;
class HolidayStore;
class QTextStream;
struct CommandLine;

// What a command answers with: the command line it came in, the day context, the stored
// holidays, and standard output and standard error.
struct CommandInput
{
    const CommandLine &line;
    DayContext &context;
    const HolidayStore &store;
    QTextStream &out;
    QTextStream &errors;
};

// One row of the table: an option, the values it takes, its help and what answers it. An option
// without a handler (--iso, --calendar) changes how the others answer.
struct Command
{
    enum class Values { None, OwnValue, Two, OneOrMore, AtMostOne };

    QStringList names; // "h", "help": one letter with one dash, a word with two
    const char *valueNames; // as --help shows them: "DATE DATE"
    Values values;
    const char *help; // the lines --help shows, as the translators see them
    const char *valuesRefused; // why the values given do not do, where they can be wrong
    // The program's exit status: 0, 1 after a refusal, 2 for input it cannot read.
    int (*answer)(const CommandInput &input);
};

// What the command line asks for, read before anything else, so that --help and --version answer
// without a display. Qt's own options (-style, -platform, ...) are left to Qt. One command
// answers: --help or --version before anything, or the one other command given.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    const Command *command = nullptr; // null where the window is asked for, or on a refusal
    QStringList values; // the command's values
    bool isoDates = false;
    std::optional<CalendarSystem> calendar; // for this run only
    std::optional<QList<Qt::DayOfWeek>> workingWeek; // for this run only
    QString error; // why the command line is refused

    bool opensWindow() const { return !command && error.isEmpty(); }

    static const QList<Command> &commands();
    static CommandLine parse(const QStringList &arguments);
    static QString usage();
    // Why a command line was refused, on a line of its own, and where to learn how to write it.
    static QString refusal(const QString &why);
};
