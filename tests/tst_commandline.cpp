// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "CommandLineProgram.h"
#include "DateQuestions.h"
#include "DayContext.h"
#include "SharedAnswers.h"

#include <QTemporaryDir>
#include <QTest>

const QDate today(2026, 12, 5);

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    // The command line's answers: the window's texts, a line each; ISO 8601 or regional dates
    // in, ISO 8601 out where asked; "Date box error" refusals; unreadable dates.
    void commandLineQuestions_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("iso");
        QTest::addColumn<QStringList>("question"); // between or days-from, and its two values
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        for (const SharedAnswer &answer : sharedAnswers())
            QTest::newRow(answer.summary)
                    << "en_GB" << false
                    << QStringList {"between", answer.first.toString(Qt::ISODate),
                                    answer.second.toString("dd/MM/yyyy")}
                    << 0 << QStringLiteral("%1\n%2\n").arg(answer.results, answer.summary);
        const auto row = [](const char *name, const char *region, bool iso, QStringList question,
                            int status, const char *text) {
            QTest::newRow(name) << region << iso << question << status << text;
        };
        row("from today", "en_GB", false, {"days-from", "today", "100"}, 0,
            "15/03/2027 is  100 days from 05/12/2026\nThat is 14 Weeks and 2 Days.\n05/12/2026 to "
            "15/03/2027: 100 days (14 weeks 2 days; 3 months 10 days), 70 working days (1 "
            "holiday)\n");
        row("Sunday to Thursday", "he_IL", false, {"between", "19.12.2026", "6.1.2027"}, 0,
            "The number of days from 19.12.2026 to 6.1.2027 is  18\nThat is 2 Weeks and 4 "
            "Days.\n19.12.2026 to 6.1.2027: 18 days (2 weeks 4 days), 14 working days\n");
        row("working days past a holiday", "en_GB", false, {"working-days-from", "24/12/2026", "2"},
            0,
            "29/12/2026 is  5 days from 24/12/2026\nThat is 0 Weeks and 5 Days.\n24/12/2026 to "
            "29/12/2026: 5 days (0 weeks 5 days), 2 working days (1 holiday)\n");
        row("outside", "en_GB", false, {"between", "1752-12-31", "today"}, 1,
            "Date box error, the date must lie between 1753 and 9999");
        row("unreadable", "en_GB", false, {"between", "tomorrow", "today"}, 2,
            "'tomorrow' is no date");
    }
    void commandLineQuestions()
    {
        QFETCH(QString, region);
        QFETCH(bool, iso);
        QFETCH(QStringList, question);
        const auto christmas = [](const DateRange &range) {
            Holidays holidays;
            if (range.contains({2026, 12, 25}))
                holidays.add({2026, 12, 25}, QStringLiteral("Christmas Day"));
            return holidays;
        };
        DayContext context([] { return today; }, RegionalSettings::of(QLocale(region)));
        DateQuestions questions(
                context, iso ? ResultTexts::DateStyle::Iso : ResultTexts::DateStyle::Regional,
                christmas);
        const auto ask = question[0] == "between" ? &DateQuestions::between
                : question[0] == "days-from"      ? &DateQuestions::daysFrom
                                                  : &DateQuestions::workingDaysFrom;
        const DateQuestions::Answer answer = (questions.*ask)(question[1], question[2]);
        QTEST(int(answer.status), "status");
        QTEST(answer.text, "text");
    }

    // Hebrew dates by their month's name, in the region's language or English, or by number.
    void hebrewDatesAreReadByNameOrNumber_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // ISO 8601, or why it is no date
        const auto row = [](const char *region, const char *typed, const char *read) {
            QTest::newRow(typed) << region << QString::fromUtf8(typed) << read;
        };
        row("en_GB", "15 Adar II 5784", "2024-03-25");
        row("he_IL", "15 אדר ב׳ 5784", "2024-03-25");
        row("he_IL", "1 tishrei 5807", "2046-10-01");
        row("en_US", "7/15/5784", "2024-03-25");
        row("en_GB", "15 Adar 5784", "'15 Adar 5784' is no date"); // Adar I or Adar II
        row("en_US", "7/15/84", "'7/15/84' has a two-digit year: please write the whole year");
    }
    void hebrewDatesAreReadByNameOrNumber()
    {
        QFETCH(QString, region);
        DayContext context([] { return today; }, RegionalSettings::of(QLocale(region)));
        context.setCalendarSystem(CalendarSystem::Hebrew);
        QFETCH(QString, typed);
        const auto read = DateQuestions(context).readDate(typed);
        QTEST(read.index() == 0 ? std::get<QDate>(read).toString(Qt::ISODate)
                                : std::get<QString>(read),
              "read");
    }

    // The holidays are read for the stretch the answer would take without them, and on where
    // they fill it: a year closed, read day by day.
    void workingDaysCountPastTheHolidaysFirstRead()
    {
        DayContext context([] { return today; }, RegionalSettings::of(QLocale::c()));
        const auto closed2027 = [](const DateRange &range) {
            Holidays holidays;
            for (QDate day = std::max(range.first, QDate(2027, 1, 1));
                 day <= std::min(range.last, QDate(2027, 12, 31)); day = day.addDays(1))
                holidays.add(day, QStringLiteral("Closed"));
            return holidays;
        };
        const DateQuestions questions(context, ResultTexts::DateStyle::Iso, closed2027);
        QCOMPARE(questions.workingDaysFrom("2026-12-30", "3").text.left(10), "2028-01-04");
    }

    // Every option Qt documents for QGuiApplication, QApplication and X11 is left to Qt, its
    // value included, beside the program's own. The first command given answers, its values
    // checked.
    void theTableReadsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command"); // empty: refused
        for (const QString &option :
             QStringLiteral(
                     "-reverse|-widgetcount|-testability|-nograb|-dograb|--reverse|"
                     "-qmljsdebugger=port:1|-platform xcb|-platformpluginpath /p|-platformtheme "
                     "gtk3|-plugin evdev|-qwindowgeometry 10x10|-qwindowicon i|-qwindowtitle T|"
                     "-session s|-style fusion|-stylesheet s.qss|-display :1|-geometry 10x10|"
                     "-title T|-icon i|-name n|-visual 0x21|--style fusion")
                     .split(u'|'))
            QTest::newRow(qPrintable(option))
                    << option.split(u' ') + QStringList {"--version"} << "version";
        QTest::newRow("help first") << QStringList {"--help", "--between", "a", "b"} << "help";
        QTest::newRow("a third date") << QStringList {"--between", "a", "b", "c"} << "";
        QTest::newRow("a stray value") << QStringList {"--list-holidays", "x", "y"} << "";
    }
    void theTableReadsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(QStringList {"daywright"} + arguments);
        QTEST(line.command ? line.command->names.last() : QString(), "command");
    }

    // The program in the environment given: today by the local clock (at any hour UTC+14 or
    // UTC-12 is on another day than UTC), dates by LC_TIME and counts by LC_NUMERIC, dates as
    // people type them, ISO 8601 in ASCII, one line for a refusal, and an answer not written.
    void theProgramAnswers_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("arguments"); // ending in ">&-" where standard output is closed
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // the answer's first line, then standard error
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        const auto today = [&utc](int hours) {
            return QStringLiteral("%1 is  0 days from %1")
                    .arg(utc.addSecs(hours * 3600).date().toString(Qt::ISODate));
        };
        const auto row = [](const char *environment, const char *arguments, int status,
                            const QString &output) {
            QTest::newRow(arguments) << environment << arguments << status << output;
        };
        const QString tryHelp = "\nTry 'daywright --help' for more information.\n";
        row("TZ=Etc/GMT-14", "--days-from TODAY 0", 0, today(14));
        row("TZ=Etc/GMT+12", "--days-from Today 0", 0, today(-12));
        row("LC_TIME=de_DE.UTF-8 LC_NUMERIC=en_US.UTF-8", "--days-from 19.12.2026 1,000", 0,
            "14.09.2029 is  1000 days from 19.12.2026");
        row("", "--days-from 2026-01-01 -5", 0, "2025-12-27 is -5 days from 2026-01-01");
        row("LC_ALL=fa_IR.UTF-8", "--iso --days-from 1403/12/30 0", 0,
            "2025-03-20 is  0 days from 2025-03-20");
        row("LC_ALL=ar_EG.UTF-8", "--iso --between ١٩/١٢/٢٠٢٦ 6/1/2027", 0,
            "The number of days from 2026-12-19 to 2027-01-06 is  18");
        row("LC_ALL=en_GB.UTF-8", "--calendar persian --between 2025-03-20 01/01/1405", 0,
            "The number of days from 30/12/1403 to 01/01/1405 is  366");
        row("LC_ALL=he_IL.UTF-8", "--calendar hebrew --between 2024-03-24 15.7.5784", 0,
            "The number of days from 14.7.5784 to 15.7.5784 is  1");
        row("", "--working-week sun-thu --working-days-from 2026-12-19 -10", 0,
            "2026-12-06 is -13 days from 2026-12-19");
        row("", "--working-days-from 9999-12-30 2", 1,
            "daywright: Date box error, the date must lie between 1753 and 9999\n");
        row("", "--working-week , --between today today", 2,
            "daywright: A working week needs at least one working day." + tryHelp);
        row("", "--days-from today 2.5", 1,
            "daywright: Date box error, please enter a whole number\n");
        row("LC_ALL=en_US.UTF-8", "--between 12/19/26 today", 2,
            "daywright: '12/19/26' has a two-digit year: please write the whole year" + tryHelp);
        row("LC_ALL=de_DE.UTF-8", "--between 19.12.26 today", 2,
            "daywright: '19.12.26' has a two-digit year: please write the whole year" + tryHelp);
        row("", "--remove-holidays x --list-holidays", 2,
            "daywright: --list-holidays and --remove-holidays cannot go together: give one at a "
            "time." + tryHelp);
        row("", "--version >&-", 1,
            "daywright: the answer could not be written: Bad file descriptor\n");
    }
    void theProgramAnswers()
    {
        QFETCH(QString, environment);
        QFETCH(QString, arguments);
        environment += " XDG_DATA_HOME=" + m_home.path() + " XDG_CONFIG_HOME=" + m_home.path();
        for (const char *variable : {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LANG", "TZ"})
            qunsetenv(variable);
        for (const QString &variable : environment.split(u' ', Qt::SkipEmptyParts))
            qputenv(qPrintable(variable.section(u'=', 0, 0)), variable.section(u'=', 1).toUtf8());
        // A descriptor open for reading alone refuses every write, as a closed output does.
        QFile program(QCoreApplication::applicationFilePath()), closed;
        QVERIFY(program.open(QIODevice::ReadOnly)
                && closed.open(program.handle(), QIODevice::WriteOnly));
        QString answer, errorText;
        QTextStream out(&answer), errors(&errorText);
        QStringList words = ("daywright " + arguments).split(u' ');
        if (words.last() == ">&-") {
            words.removeLast();
            out.setDevice(&closed);
        }
        QTEST(answerCommandLine(CommandLine::parse(words), out, errors), "status");
        QTEST(answer.section(u'\n', 0, 0) + errorText, "output");
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
