// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's holiday commands: import, list and remove, without a window.
#pragma once

#include "CommandLine.h"
#include "HolidayStore.h"

#include <QTextStream>

class HolidayCommands
{
    Q_DECLARE_TR_FUNCTIONS(HolidayCommands)

public:
    // Carries out the command on the store: what was done goes to out, a refusal, naming the file
    // or calendar and why, to errors. The program's exit status: 0, or 1 after any refusal.
    static int run(const CommandLine &command, const HolidayStore &store, QTextStream &out,
                   QTextStream &errors);
};
