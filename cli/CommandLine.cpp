// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's table, read beside Qt's own options, and the usage it makes.
#include "CommandLine.h"

#include "CalendarKeys.h"
#include "DateQuestions.h"
#include "FixedTexts.h"
#include "HolidayCommands.h"
#include "WorkingWeek.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

// The options QGuiApplication, QApplication and the X11 platform take for themselves, as Qt
// documents them; Qt also takes each with two dashes.
const QStringList qtOptionsWithValue
        = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
           "qwindowicon", "qwindowtitle", "session", "qmljsdebugger", "style", "stylesheet",
           // X11 only
           "display", "geometry", "title", "icon", "name", "visual"};
const QStringList qtFlags = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

int showHelp(const CommandInput &input)
{
    input.out << CommandLine::usage();
    return 0;
}

int showVersion(const CommandInput &input)
{
    input.out << "daywright " << FixedTexts::version() << '\n';
    return 0;
}

// Where --help starts an option's description, and how it names the option.
constexpr int helpColumn = 17;

QString synopsis(const Command &command)
{
    QStringList names;
    for (const QString &name : command.names)
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString joined = names.join(QStringLiteral(", "));
    return command.valueNames ? joined + u' ' + QLatin1String(command.valueNames) : joined;
}

// --help and --version change nothing: they answer whatever else is asked, as GNU programs do.
bool onlyTells(const Command &command)
{
    return command.answer == showHelp || command.answer == showVersion;
}

// QCommandLineParser takes every argument that starts with a dash for an option, but "-5" or
// "-1e3" is a count back in time, as the day box reads it: no option's name starts with anything
// but a letter. Such a value passes the parser behind this mark, a noncharacter no text holds,
// which is taken off again.
constexpr QChar valueMark = u'\uFFFF';

QString markedIfValue(const QString &argument)
{
    const bool value = argument.size() > 1 && argument.front() == u'-' && !argument.at(1).isLetter()
            && argument.at(1) != u'-';
    return value ? valueMark + argument : argument;
}

QStringList unmarked(QStringList values)
{
    for (QString &value : values) {
        if (value.startsWith(valueMark))
            value.remove(0, 1);
    }
    return values;
}

} // namespace

const QList<Command> &CommandLine::commands()
{
    using enum Command::Values;
    static const QList<Command> table = {
            {{"h", "help"},
             nullptr,
             None,
             //: --help: the option --help. Lines are at most 62 characters; break them with line
             //: feeds.
             QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."),
             nullptr,
             showHelp},
            {{"v", "version"},
             nullptr,
             None,
             //: --help: the option --version.
             QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."),
             nullptr,
             showVersion},
            {{"between"},
             "DATE DATE",
             Two,
             //: --help: the option --between DATE DATE. Keep the lines under 62 characters.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Print the days between the dates, as the window would answer\n"
                               "them, and the span's summary, and exit."),
             //: A refused command line: --between or --days-from was given the wrong number of
             //: values. Keep the option names as they are.
             QT_TRANSLATE_NOOP("CommandLine",
                               "--between takes two dates, --days-from a date and a count."),
             DateQuestions::answerBetween},
            {{"days-from"},
             "DATE DAYS",
             Two,
             //: --help: the option --days-from DATE DAYS. Keep 'today' and the option names in
             //: English: the program reads them so.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Print the date DAYS days from DATE, and the span's summary.\n"
                               "A DATE is 'today', ISO 8601 (2026-12-19) or in your region's\n"
                               "short format and calendar with the whole year; DAYS is read as\n"
                               "the day box reads it, a negative count going back."),
             QT_TRANSLATE_NOOP("CommandLine",
                               "--between takes two dates, --days-from a date and a count."),
             DateQuestions::answerDaysFrom},
            {{"working-days-from"},
             "DATE N",
             Two,
             //: --help on --working-days-from; DATE and N are the value names shown before it.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Print the Nth working day after DATE, DATE not counted, and the\n"
                               "span's summary, as --days-from prints a date: days outside the\n"
                               "working week and stored holidays are passed over, a negative N\n"
                               "counts back and 0 gives DATE itself (as spreadsheets' WORKDAY).\n"
                               "For example: daywright --working-days-from 2026-12-19 10"),
             //: Refusing --working-days-from given other than two values.
             QT_TRANSLATE_NOOP("CommandLine",
                               "--working-days-from takes a date and a count of working days."),
             DateQuestions::answerWorkingDaysFrom},
            {{"iso"},
             nullptr,
             None,
             //: --help: the option --iso. Keep the example command as it is.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Write the answers' dates as ISO 8601, which is Gregorian.\n"
                               "For example: daywright --between 2026-12-19 2027-01-06"),
             nullptr,
             nullptr},
            {{"calendar"},
             "gregorian|persian|islamic|hebrew",
             OwnValue,
             //: --help: the option --calendar. Keep the lines under 62 characters.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Show and write dates, months and years in that calendar for\n"
                               "this run: the window's and the answers' own dates. Persian is\n"
                               "the default in Iran and Afghanistan, and the window's Calendar\n"
                               "menu keeps a choice for later runs. Islamic is the tabular\n"
                               "calendar: official dates, which follow the moon, may differ by\n"
                               "a day or two. Hebrew years have 12 or 13 months (Adar I and\n"
                               "Adar II); its dates are also read as '15 Adar II 5784'."),
             nullptr,
             nullptr},
            {{"working-week"},
             "DAYS",
             OwnValue,
             //: --help on --working-week; the day names and numbers are what the program reads
             //: in every language.
             QT_TRANSLATE_NOOP(
                     "CommandLine",
                     "Count working days by these days of the week for this run, in\n"
                     "the window and the answers: mon-fri, sun-thu, sat,sun,mon,tue,wed\n"
                     "or ISO 8601 numbers, 1-5 (1 is Monday). The window's Working week\n"
                     "menu keeps a choice for later runs; the region's week is the default.\n"
                     "For example: daywright --working-week sun-thu --days-from today 9"),
             nullptr,
             nullptr},
            {{"import-holidays"},
             "FILE...",
             OneOrMore,
             //: --help: the option --import-holidays FILE...
             QT_TRANSLATE_NOOP("CommandLine",
                               "Keep a copy of each iCalendar file's all-day events as public\n"
                               "holidays, which working days leave out, and exit."),
             //: A refused command line: --import-holidays without files. Keep the option name.
             QT_TRANSLATE_NOOP("CommandLine", "--import-holidays needs the files to import."),
             HolidayCommands::importFiles},
            {{"list-holidays"},
             "[NAME]",
             AtMostOne,
             //: --help: the option --list-holidays [NAME]. Keep "Days off in NAME" as the window's
             //: menu item is translated.
             QT_TRANSLATE_NOOP("CommandLine",
                               "List the holiday calendars kept, or the events of the calendar\n"
                               "NAME, each marked as a day off or not (the window's calendar\n"
                               "menu chooses which: \"Days off in NAME\"), and exit."),
             //: A refused command line: --list-holidays was given more than one name.
             QT_TRANSLATE_NOOP("CommandLine", "--list-holidays takes one calendar's name at most."),
             HolidayCommands::list},
            {{"remove-holidays"},
             "NAME",
             OwnValue,
             //: --help: the option --remove-holidays NAME.
             QT_TRANSLATE_NOOP("CommandLine",
                               "Remove the holiday calendar of that name, and exit."),
             nullptr,
             HolidayCommands::remove},
    };
    return table;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options come with one dash; ours with two, as GNU programs take them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Command &command : commands()) {
        const bool ownValue = command.values == Command::Values::OwnValue;
        parser.addOption(QCommandLineOption(command.names, QString(),
                                            ownValue ? QStringLiteral("value") : QString()));
    }
    for (const QString &name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString &name : qtFlags)
        parser.addOption(QCommandLineOption(name));

    CommandLine line;
    QStringList marked;
    for (const QString &argument : arguments)
        marked << markedIfValue(argument);
    if (!parser.parse(marked)) {
        line.error = parser.errorText();
        return line;
    }
    line.isoDates = parser.isSet(QStringLiteral("iso"));
    if (const QString calendar = QStringLiteral("calendar"); parser.isSet(calendar)) {
        line.calendar = calendarNamed(parser.value(calendar));
        if (!line.calendar) {
            //: A refused command line. %1: the calendar's name as typed; keep the four names after
            //: the colon in English: the program reads them so.
            line.error = tr("Unknown calendar '%1': gregorian, persian, islamic or hebrew.")
                                 .arg(parser.value(calendar));
            return line;
        }
    }
    if (const QString week = QStringLiteral("working-week"); parser.isSet(week)) {
        const auto read = WorkingWeek::read(parser.value(week));
        if (const QString *why = std::get_if<QString>(&read)) {
            line.error = *why;
            return line;
        }
        line.workingWeek = std::get<WorkingWeek::Days>(read);
    }
    // --help and --version answer whatever else is asked; otherwise one command alone, as a
    // second would be left undone after the first, or the first done for nothing.
    QList<const Command *> asked;
    for (const Command &command : commands()) {
        if (command.answer && parser.isSet(command.names.last()))
            asked << &command;
    }
    if (!asked.isEmpty() && onlyTells(*asked.first())) {
        line.command = asked.first();
        return line;
    }
    if (asked.size() > 1) {
        //: A refused command line. %1, %2: two option names, as between and list-holidays.
        line.error = tr("--%1 and --%2 cannot go together: give one at a time.")
                             .arg(asked.at(0)->names.last(), asked.at(1)->names.last());
        return line;
    }
    using enum Command::Values;
    const Command *command = asked.isEmpty() ? nullptr : asked.first();
    const Command::Values values = command ? command->values : None;
    const QStringList positional = unmarked(parser.positionalArguments());
    const bool takesPositional = values == Two || values == OneOrMore || values == AtMostOne;
    if ((values == Two && positional.size() != 2) || (values == OneOrMore && positional.isEmpty())
        || (values == AtMostOne && positional.size() > 1))
        line.error = tr(command->valuesRefused);
    else if (!takesPositional && !positional.isEmpty())
        //: A refused command line. %1: the argument that no option takes.
        line.error = tr("Unexpected argument '%1'.").arg(positional.first());
    else if (command) {
        line.command = command;
        if (takesPositional)
            line.values = positional;
        else if (values == OwnValue)
            line.values = unmarked({parser.value(command->names.last())});
    }
    return line;
}

QString CommandLine::refusal(const QString &why)
{
    //: A refused command line, on standard error. %1: why. Keep 'daywright --help' as it is.
    return tr("daywright: %1\nTry 'daywright --help' for more information.\n").arg(why);
}

QString CommandLine::usage()
{
    QString options;
    for (const Command &command : commands()) {
        const QString named = QStringLiteral("  ") + synopsis(command);
        const QString indent(helpColumn, u' ');
        // A short option's description begins on its line, a long one's on the next.
        options += named.size() + 2 <= helpColumn ? named.leftJustified(helpColumn)
                                                  : named + u'\n' + indent;
        options += tr(command.help).replace(u'\n', u'\n' + indent) + u'\n';
    }
    QString keys;
    for (const auto &[names, action] : CalendarKeys::descriptions())
        keys += QStringLiteral("  %1\n      %2\n").arg(names, action);
    //: --help's text. %1: the options, each with its description; %2: the calendar's keys, each
    //: with what it does. Keep the option and variable names as they are.
    return tr("Usage: daywright [--help] [--version] [Qt options such as -style NAME]\n"
              "A date calculator: days from today to a date, or between two dates, in weeks and "
              "days.\n"
              "\n"
              "Options:\n"
              "%1"
              "\n"
              "Keys on the calendar:\n"
              "%2"
              "\n"
              "Environment: LC_TIME (or LANG) sets the date format and calendar names, LC_NUMERIC\n"
              "the decimal and thousands separators of typed counts, LC_ALL both;\n"
              "QT_SCALE_FACTOR scales the window.\n")
            .arg(options, keys);
}
