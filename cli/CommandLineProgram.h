// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the command line runs it, without a window.
#pragma once

class QTextStream;
struct CommandLine;

// Makes the application object and answers the command line on standard output and standard
// error. The program's exit status.
int runCommandLine(int &argc, char **argv, const CommandLine &line);

// Reads the day context from the environment (the regions, the clock) and the settings, and
// answers the command from the stored holidays, or says why the command line is refused. The
// program's exit status.
int answerCommandLine(const CommandLine &line, QTextStream &out, QTextStream &errors);
