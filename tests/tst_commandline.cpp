// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "DateQuestions.h"
#include "DayContext.h"
#include "SharedAnswers.h"

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
        row("US dates in, ISO out", "en_US", true, {"between", "12/19/2026", "1/6/2027"}, 0,
            "The number of days from 2026-12-19 to 2027-01-06 is  18\nThat is 2 Weeks and 4 "
            "Days.\n2026-12-19 to 2027-01-06: 18 days (2 weeks 4 days), 12 working days (1 "
            "holiday)\n");
        row("Sunday to Thursday", "he_IL", false, {"between", "19.12.2026", "6.1.2027"}, 0,
            "The number of days from 19.12.2026 to 6.1.2027 is  18\nThat is 2 Weeks and 4 "
            "Days.\n19.12.2026 to 6.1.2027: 18 days (2 weeks 4 days), 14 working days\n");
        row("not whole", "en_GB", false, {"days-from", "today", "2.5"}, 1,
            "Date box error, please enter a whole number");
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
        const DateQuestions::Answer answer = question[0] == "between"
                ? questions.between(question[1], question[2])
                : questions.daysFrom(question[1], question[2]);
        QTEST(int(answer.status), "status");
        QTEST(answer.text, "text");
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
        QTest::newRow("a stray value") << QStringList {"--list-holidays", "x"} << "";
    }

    void theTableReadsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line = CommandLine::parse(QStringList {"daywright"} + arguments);
        QTEST(line.command ? line.command->names.last() : QString(), "command");
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
