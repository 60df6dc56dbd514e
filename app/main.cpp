// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Daywright: answers --help and --version without a display, else opens the window.
#include "CalculatorWindow.h"
#include "CalendarMenu.h"
#include "CommandLine.h"
#include "DateQuestions.h"
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
    const RegionalSettings environment = RegionalSettings::fromEnvironment();
    const RegionalSettings regions
            = environment.withCalendar(CalendarMenu::atStart(command.calendar, environment.dates));
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
    case CommandLine::Action::Between:
    case CommandLine::Action::DaysFrom: {
        const auto holidaysWithin = [](const DateRange &span) {
            const HolidayStore::Loaded holidays = HolidayStore().load(span);
            for (const QString &skipped : holidays.skipped)
                std::fprintf(stderr, "daywright: holiday calendar skipped: %s\n",
                             qPrintable(skipped));
            return holidays.holidays;
        };
        const DateQuestions questions(regions, QDate::currentDate(), holidaysWithin,
                                      command.isoDates ? ResultTexts::DateStyle::Iso
                                                       : ResultTexts::DateStyle::Regional);
        const QStringList &values = command.values;
        const DateQuestions::Answer answer = command.action == CommandLine::Action::Between
                ? questions.between(values.at(0), values.at(1))
                : questions.daysFrom(values.at(0), values.at(1));
        if (answer.status == DateQuestions::Answer::Answered)
            std::fputs(qPrintable(answer.text), stdout);
        else if (answer.status == DateQuestions::Answer::Refused)
            std::fprintf(stderr, "daywright: %s\n", qPrintable(answer.text));
        else
            std::fprintf(stderr, "daywright: %s\n\n%s", qPrintable(answer.text),
                         qPrintable(CommandLine::usage()));
        return answer.status;
    }
    case CommandLine::Action::ShowWindow:
        break;
    }

    QApplication app(argc, argv);
    // Wayland matches the window to its launcher by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.daywright.Daywright"));
    CalculatorWindow window(&QDate::currentDate, regions, HolidayStore());
    window.show();
    return app.exec();
}
