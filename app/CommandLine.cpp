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
    parser.addOption(help);
    parser.addOption(version);
    for (const QString &name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString &name : qtFlags)
        parser.addOption(QCommandLineOption(name));

    CommandLine command;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        command.action = Action::Refuse;
        command.error = parser.positionalArguments().isEmpty()
                ? parser.errorText()
                : tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    } else if (parser.isSet(help)) {
        command.action = Action::ShowHelp;
    } else if (parser.isSet(version)) {
        command.action = Action::ShowVersion;
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
              "\n"
              "Keys on the calendar:\n"
              "%1"
              "\n"
              "Environment: LC_TIME (or LANG) sets the date format and calendar names, LC_NUMERIC\n"
              "the decimal and thousands separators of typed counts, LC_ALL both;\n"
              "QT_SCALE_FACTOR scales the window.\n")
            .arg(keys);
}
