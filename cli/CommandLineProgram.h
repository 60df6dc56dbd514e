// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the command line runs it, without a window.
#pragma once

struct CommandLine;

// Makes the application object, reads the day context from the environment and the settings,
// and answers the command, or says why the command line is refused. The program's exit status.
int runCommandLine(int &argc, char **argv, const CommandLine &line);
