// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Daywright: answers --help and --version without a display, else opens the window.
#include "CalculatorWindow.h"
#include "CommandLine.h"
#include "FixedTexts.h"
#include "HolidayCommands.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The name the user's data folder is kept under, known before any application object.
    QCoreApplication::setApplicationName(QStringLiteral("daywright"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = CommandLine::parse(arguments);
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::printf("daywright %s\n", qPrintable(FixedTexts::version()));
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "daywright: %s\n\n%s", qPrintable(command.error),
                     qPrintable(CommandLine::usage()));
        return 2;
    case CommandLine::Action::ImportHolidays:
    case CommandLine::Action::ListHolidays:
    case CommandLine::Action::RemoveHolidays: {
        QTextStream out(stdout), errors(stderr);
        return HolidayCommands::run(command, HolidayStore(), out, errors);
    }
    case CommandLine::Action::ShowWindow:
        break;
    }

    QApplication app(argc, argv);
    // Wayland matches the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daywright.Daywright"));
    CalculatorWindow window(&QDate::currentDate, RegionalSettings::fromEnvironment(),
                            HolidayStore());
    window.show();
    return app.exec();
}
