// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the command line beside Qt's own options, and writes the usage.
#include "CommandLine.h"

#include "CalendarKeys.h"

#include <QCommandLineParser>

namespace {

// The options QGuiApplication, QApplication and the X11 platform take for themselves, as Qt
// documents them; Qt also takes each with two dashes.
const QStringList qtOptionsWithValue
        = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
           "qwindowicon", "qwindowtitle", "session", "qmljsdebugger", "style", "stylesheet",
           // X11 only
           "display", "geometry", "title", "icon", "name", "visual"};
const QStringList qtFlags = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options come with one dash; ours with two, as GNU programs take them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {"h", "help"});
    const QCommandLineOption version(QStringList {"v", "version"});
    const QCommandLineOption importHolidays(QStringLiteral("import-holidays"));
    const QCommandLineOption listHolidays(QStringLiteral("list-holidays"));
    const QCommandLineOption removeHolidays(QStringLiteral("remove-holidays"), QString(),
                                            QStringLiteral("name"));
    const QCommandLineOption between(QStringLiteral("between"));
    const QCommandLineOption daysFrom(QStringLiteral("days-from"));
    const QCommandLineOption iso(QStringLiteral("iso"));
    const QCommandLineOption calendar(QStringLiteral("calendar"), QString(),
                                      QStringLiteral("name"));
    parser.addOptions({help, version, importHolidays, listHolidays, removeHolidays, between,
                       daysFrom, iso, calendar});
    for (const QString &name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString &name : qtFlags)
        parser.addOption(QCommandLineOption(name));

    CommandLine command;
    const bool parsed = parser.parse(arguments);
    // An import takes the files to import, a question two values; nothing else takes any.
    const bool importing = parsed && parser.isSet(importHolidays);
    const bool asking = parsed && (parser.isSet(between) || parser.isSet(daysFrom));
    command.values = parser.positionalArguments();
    command.isoDates = parsed && parser.isSet(iso);
    if (parsed && parser.isSet(calendar))
        command.calendar = calendarNamed(parser.value(calendar));
    const bool calendarUnknown = parsed && parser.isSet(calendar) && !command.calendar;
    if (!parsed || calendarUnknown || (importing && command.values.isEmpty())
        || (asking && command.values.size() != 2)
        || (!importing && !asking && !command.values.isEmpty())) {
        command.action = Action::Refuse;
        command.error = !parsed   ? parser.errorText()
                : calendarUnknown ? tr("Unknown calendar '%1': gregorian, persian or islamic.")
                                            .arg(parser.value(calendar))
                : importing ? tr("--import-holidays needs the files to import.")
                : asking    ? tr("--between takes two dates, --days-from a date and a count.")
                            : tr("Unexpected argument '%1'.").arg(command.values.first());
    } else if (parser.isSet(help)) {
        command.action = Action::ShowHelp;
    } else if (parser.isSet(version)) {
        command.action = Action::ShowVersion;
    } else if (parser.isSet(between)) {
        command.action = Action::Between;
    } else if (parser.isSet(daysFrom)) {
        command.action = Action::DaysFrom;
    } else if (importing) {
        command.action = Action::ImportHolidays;
    } else if (parser.isSet(listHolidays)) {
        command.action = Action::ListHolidays;
    } else if (parser.isSet(removeHolidays)) {
        command.action = Action::RemoveHolidays;
        command.name = parser.value(removeHolidays);
    }
    return command;
}

QString CommandLine::usage()
{
    QString keys;
    for (const auto &[names, action] : CalendarKeys::descriptions())
        keys += QStringLiteral("  %1\n      %2\n").arg(names, action);
    return tr("Usage: daywright [--help] [--version] [Qt options such as -style NAME]\n"
              "A date calculator: days from today to a date, or between two dates, in weeks and "
              "days.\n"
              "\n"
              "Options:\n"
              "  -h, --help     Show this help and exit.\n"
              "  -v, --version  Show the version and exit.\n"
              "  --between DATE DATE\n"
              "                 Print the days between the dates, as the window would answer\n"
              "                 them, and the span's summary, and exit.\n"
              "  --days-from DATE DAYS\n"
              "                 Print the date DAYS days from DATE, and the span's summary.\n"
              "                 A DATE is 'today', ISO 8601 (2026-12-19) or in your region's\n"
              "                 short format and calendar; DAYS is read as the day box reads it.\n"
              "  --iso          Write the answers' dates as ISO 8601, which is Gregorian.\n"
              "                 For example: daywright --between 2026-12-19 2027-01-06\n"
              "  --calendar gregorian|persian|islamic\n"
              "                 Show and write dates, months and years in that calendar for\n"
              "                 this run: the window's and the answers' own dates. Persian is\n"
              "                 the default in Iran and Afghanistan, and the window's Calendar\n"
              "                 menu keeps a choice for later runs. Islamic is the tabular\n"
              "                 calendar: official dates, which follow the moon, may differ by\n"
              "                 a day or two.\n"
              "  --import-holidays FILE...\n"
              "                 Keep a copy of each iCalendar file's all-day events as public\n"
              "                 holidays, which working days leave out, and exit.\n"
              "  --list-holidays\n"
              "                 List the holiday calendars kept, and exit.\n"
              "  --remove-holidays NAME\n"
              "                 Remove the holiday calendar of that name, and exit.\n"
              "\n"
              "Keys on the calendar:\n"
              "%1"
              "\n"
              "Environment: LC_TIME (or LANG) sets the date format and calendar names, LC_NUMERIC\n"
              "the decimal and thousands separators of typed counts, LC_ALL both;\n"
              "QT_SCALE_FACTOR scales the window.\n")
            .arg(keys);
}
