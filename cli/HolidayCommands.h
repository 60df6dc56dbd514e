// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's holiday commands: import, list and remove, without a window.
#pragma once

#include <QCoreApplication>

struct CommandInput;

// Each carries out its command on the store: what was done goes to standard output, a refusal,
// naming the file or calendar and why, to standard error. The program's exit status: 0, or 1
// after any refusal.
class HolidayCommands
{
    Q_DECLARE_TR_FUNCTIONS(HolidayCommands)

public:
    static int importFiles(const CommandInput &input);
    static int list(const CommandInput &input);
    static int remove(const CommandInput &input);
};
