// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"
#include "FakeControls.h"
#include "SystemTexts.h"

#include <QTest>

#include <memory>

using namespace SystemTexts;
using namespace Qt::StringLiterals;

namespace {

enum Type { DaysFromNow = 0, DaysBetween = 1, NoType = -1 };

} // namespace

class CalculatorTest : public QObject
{
    Q_OBJECT

    QDate today {2026, 12, 5};
    FakeControls controls;
    std::unique_ptr<Calculator> calculator;

    void startCalculator(const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        controls = FakeControls();
        calculator = std::make_unique<Calculator>(
                controls, [this] { return today; }, RegionalSettings::of(locale));
        calculator->load();
    }
    void choose(int type)
    {
        controls.selectedType = type;
        calculator->calculationTypeChosen();
    }
    void pick(QDate date)
    {
        controls.calendar = date;
        calculator->datePicked();
    }
    void calculate(const QString &typed)
    {
        controls.dayCount = typed;
        calculator->calculateDate();
    }
    void showInputError()
    {
        calculate(QStringLiteral("abc"));
        QCOMPARE(controls.instructionColour, InstructionColour::Red);
    }

private slots:
    void init()
    {
        today = QDate(2026, 12, 5);
        startCalculator();
    }

    void loadStartsInDaysFromNow()
    {
        QCOMPARE(controls.calculationTypes, QStringList({"Days from now", "Days between 2 dates"}));
        QCOMPARE(controls.selectedType, int(DaysFromNow));
        QCOMPARE(controls.calendar, today);
        QCOMPARE(controls.results, resultsPlaceholder);
        QCOMPARE(controls.instruction, startInstruction);
        QCOMPARE(controls.instructionColour, InstructionColour::White);
        QCOMPARE(controls.dayCount, QStringLiteral("0"));
        QVERIFY(controls.calculateEnabled);
        QVERIFY(!calculator->state().twoDatesMode);
        QVERIFY(!calculator->state().firstDatePicked);
    }

    void choosingTypesSwitchesInstructionResultsAndCalculate()
    {
        choose(DaysBetween);
        QCOMPARE(controls.instruction, selectFirstDate);
        QCOMPARE(controls.results, QString());
        QVERIFY(!controls.calculateEnabled);
        QVERIFY(calculator->state().twoDatesMode);

        choose(DaysFromNow);
        QCOMPARE(controls.instruction, daysFromNowInstruction);
        QCOMPARE(controls.results, resultsPlaceholder);
        QVERIFY(controls.calculateEnabled);
        QVERIFY(!calculator->state().twoDatesMode);
    }

    void switchingAwayAndBackDropsTheHeldFirstDate()
    {
        choose(DaysBetween);
        pick(QDate(2026, 3, 1));
        choose(DaysFromNow);
        choose(DaysBetween);
        QCOMPARE(controls.instruction, selectFirstDate);
        QVERIFY(!controls.calculateEnabled);

        pick(QDate(2026, 4, 1));
        QCOMPARE(controls.results, QStringLiteral("First date selected is 01/04/2026"));
        QCOMPARE(calculator->state().firstDate, QDate(2026, 4, 1));
    }

    void redBackgroundOutlastsTypeChanges()
    {
        showInputError();
        choose(DaysBetween);
        QCOMPARE(controls.instruction, selectFirstDate);
        QCOMPARE(controls.instructionColour, InstructionColour::Red);
        choose(DaysFromNow);
        QCOMPARE(controls.instructionColour, InstructionColour::Red);
    }

    void pickFromToday_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("dayCount");
        QTest::newRow("today")
                << 0 << "05/12/2026 is  0 days from 05/12/2026\r\nThat is 0 Weeks and 0 Days."
                << "0";
        QTest::newRow("ten days back")
                << -10 << "25/11/2026 is -10 days from 05/12/2026\r\nThat is -1 Weeks and -3 Days."
                << "-10";
    }

    void pickFromToday()
    {
        QFETCH(int, offset);
        pick(today.addDays(offset));
        QTEST(controls.results, "results");
        QTEST(controls.dayCount, "dayCount");
        QCOMPARE(controls.instruction, startInstruction);
        QVERIFY(!calculator->state().firstDatePicked);
    }

    void pickFromTodayClearsRedButKeepsTheMessage()
    {
        showInputError();
        pick(today);
        QCOMPARE(controls.instructionColour, InstructionColour::White);
        QCOMPARE(controls.instruction, notWholeNumber);
    }

    void pickingAPairOfDates_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("dayCount");
        QTest::newRow("same date twice")
                << QDate(2026, 3, 15) << QDate(2026, 3, 15)
                << "The number of days from 15/03/2026 to 15/03/2026 is  0\r\n"
                   "That is 0 Weeks and 0 Days."
                << "0";
        QTest::newRow("earlier second date")
                << QDate(2026, 3, 15) << QDate(2026, 3, 1)
                << "The number of days from 15/03/2026 to 01/03/2026 is -14\r\n"
                   "That is -2 Weeks and 0 Days."
                << "-14";
    }

    void pickingAPairOfDates()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        choose(DaysBetween);

        pick(first);
        QCOMPARE(controls.results, "First date selected is " + first.toString("dd/MM/yyyy"));
        QCOMPARE(controls.instruction, selectSecondDate);
        QVERIFY(controls.calculateEnabled);
        QCOMPARE(controls.dayCount, QStringLiteral("0"));
        QVERIFY(calculator->state().firstDatePicked);

        pick(second);
        QTEST(controls.results, "results");
        QTEST(controls.dayCount, "dayCount");
        QCOMPARE(controls.instruction, selectNewFirstDate);
        QVERIFY(!controls.calculateEnabled);
        QVERIFY(!calculator->state().firstDatePicked);

        pick(second);
        QCOMPARE(controls.instruction, selectSecondDate);
    }

    void onlyTheCompletingPickClearsRed()
    {
        showInputError();
        choose(DaysBetween);
        pick(QDate(2026, 3, 1));
        QCOMPARE(controls.instructionColour, InstructionColour::Red);
        pick(QDate(2026, 3, 2));
        QCOMPARE(controls.instructionColour, InstructionColour::White);
    }

    // With the drop-down's text edited so that nothing is selected, picks pair up while a typed
    // count still counts from today.
    void withNoTypeSelectedPicksPairUp()
    {
        choose(NoType);
        QVERIFY(!calculator->state().twoDatesMode);
        pick(QDate(2026, 3, 1));
        QCOMPARE(controls.results, QStringLiteral("First date selected is 01/03/2026"));
        pick(QDate(2026, 3, 8));
        QVERIFY(controls.results.startsWith(
                "The number of days from 01/03/2026 to 08/03/2026 is  7"));

        calculate(QStringLiteral("1"));
        QCOMPARE(controls.calendar, today.addDays(1));
        QVERIFY(controls.results.startsWith("06/12/2026 is  1 days from 05/12/2026"));
    }

    void typedCount_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<int>("days");

        const auto accepted = [](const char *locale, const QString &typed, int days) {
            QTest::addRow("%s '%s'", locale, qPrintable(typed.left(12)))
                    << locale << typed << afterCalculationInstruction << days;
        };
        const auto rejected = [](const char *locale, const QString &typed, const QString &message) {
            QTest::addRow("%s '%s'", locale, qPrintable(typed.left(12)))
                    << locale << typed << message << 0;
        };
        accepted("en_GB", "0", 0);
        accepted("en_GB", "-10", -10);
        accepted("en_GB", " +14 ", 14);
        accepted("en_GB", "1e1", 10);
        rejected("en_GB", "abc", notWholeNumber);
        rejected("en_GB", "", notWholeNumber);
        rejected("en_GB", "inf", notWholeNumber);
        rejected("en_GB", "nan", notWholeNumber);
        rejected("en_GB", "1e-1", notWholeNumber);
        rejected("en_GB", "14x", notWholeNumber);
        rejected("en_GB", "1e39", outsideCalendar);
        rejected("en_GB", "16777217", outsideCalendar);
        rejected("en_GB", QString(10000, u'9'), outsideCalendar);
        accepted("en_GB", "3.0", 3);
        rejected("en_GB", "2.5", notWholeNumber);
        rejected("en_GB", "1000000.01", notWholeNumber);
        accepted("en_GB", "1,000", 1000);
        rejected("en_GB", "1,5", notWholeNumber);
        accepted("de_DE", "3,0", 3);
        rejected("de_DE", "2,5", notWholeNumber);
        rejected("de_DE", "3.5", notWholeNumber);
        accepted("de_DE", "1.000", 1000);
        accepted("de_DE", "1,000", 1);
        // What input methods and other scripts type.
        accepted("ja_JP", u"\uFF11\uFF12"_s, 12);
        accepted("ja_JP", u"\uFF0D\uFF15"_s, -5);
        accepted("zh_CN", u"\uFF11\uFF0C\uFF10\uFF10\uFF10"_s, 1000);
        rejected("ja_JP", u"\uFF12\uFF0E\uFF15"_s, notWholeNumber);
        accepted("hi_IN", u"\u0967\u0968"_s, 12);
        accepted("ar_EG", u"\u0661\u066C\u0660\u0660\u0660"_s, 1000);
        accepted("sv_SE", "1e3", 1000);
    }

    void regionsFollowTheirCategories_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("numeric");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("time alone") << "C.UTF-8"
                                    << "de_DE.UTF-8"
                                    << ""
                                    << ""
                                    << "de_DE"
                                    << "C";
        QTest::newRow("time is C") << "en_GB.UTF-8"
                                   << "C"
                                   << ""
                                   << ""
                                   << "C"
                                   << "en_GB";
        QTest::newRow("numbers alone") << "en_GB.UTF-8"
                                       << ""
                                       << "de_DE.UTF-8"
                                       << ""
                                       << "en_GB"
                                       << "de_DE";
        QTest::newRow("all overrides") << "en_GB.UTF-8"
                                       << "de_DE.UTF-8"
                                       << "ja_JP.UTF-8"
                                       << "POSIX"
                                       << "C"
                                       << "C";
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "C"
                                     << "C";
    }

    void regionsFollowTheirCategories()
    {
        const auto set = [](const char *variable, const QString &value) {
            if (value.isEmpty())
                qunsetenv(variable);
            else
                qputenv(variable, value.toLatin1());
        };
        QFETCH(QString, lang);
        QFETCH(QString, time);
        QFETCH(QString, numeric);
        QFETCH(QString, all);
        set("LANG", lang);
        set("LC_TIME", time);
        set("LC_NUMERIC", numeric);
        set("LC_ALL", all);
        const RegionalSettings regions = RegionalSettings::fromEnvironment();
        QTEST(regions.dates.name(), "dates");
        QTEST(regions.numbers.name(), "numbers");
    }

    void typedCount()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, instruction);
        QFETCH(int, days);
        startCalculator(QLocale(locale));
        const QString resultsBefore = controls.results;

        calculate(typed);

        QCOMPARE(controls.instruction, instruction);
        QCOMPARE(controls.calendar, today.addDays(days));
        QCOMPARE(controls.dayCount, typed);
        const bool accepted = instruction == afterCalculationInstruction;
        QCOMPARE(controls.instructionColour,
                 accepted ? InstructionColour::White : InstructionColour::Red);
        if (!accepted)
            QCOMPARE(controls.results, resultsBefore);
    }

    void calculateCompletesAPair()
    {
        choose(DaysBetween);
        pick(QDate(2026, 1, 10));
        controls.calendar = QDate(2026, 6, 1); // the user paged elsewhere
        calculate(QStringLiteral("30"));
        QCOMPARE(controls.calendar, QDate(2026, 2, 9));
        QCOMPARE(controls.results,
                 QStringLiteral("The number of days from 10/01/2026 to 09/02/2026 "
                                "is  30\r\nThat is 4 Weeks and 2 Days."));
        QCOMPARE(controls.instruction, selectNewFirstDate);
        QVERIFY(!controls.calculateEnabled);
        QVERIFY(!calculator->state().firstDatePicked);
        QCOMPARE(controls.dayCount, QStringLiteral("30"));
    }

    void calculateWithoutAFirstDateAsksForOne()
    {
        choose(DaysBetween);
        showInputError();
        calculate(QStringLiteral("5"));
        QCOMPARE(controls.instruction, mustSelectFirstDate);
        QCOMPARE(controls.instructionColour, InstructionColour::White);
        QCOMPARE(controls.calendar, today);
        QCOMPARE(controls.results, QString());
    }

    void rejectedCountLeavesThePairOpen()
    {
        choose(DaysBetween);
        pick(QDate(2026, 1, 10));
        const QString notice = controls.results;
        calculate(QStringLiteral("2.5"));
        QCOMPARE(controls.instruction, notWholeNumber);
        QCOMPARE(controls.results, notice);
        QCOMPARE(controls.calendar, QDate(2026, 1, 10));
        QVERIFY(controls.calculateEnabled);
        QVERIFY(calculator->state().firstDatePicked);

        calculate(QStringLiteral("2"));
        QCOMPARE(controls.instructionColour, InstructionColour::White);
        QCOMPARE(controls.instruction, selectNewFirstDate);
        QCOMPARE(controls.calendar, QDate(2026, 1, 12));
    }

    void rangeEnds_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("target");
        const QDate nearFirst(1753, 1, 10);
        const QDate nearLast(9999, 12, 20);
        for (int type : {DaysFromNow, DaysBetween}) {
            const char *name = type == DaysFromNow ? "from today" : "from a first date";
            QTest::addRow("%s, first day", name) << type << nearFirst << "-9" << QDate(1753, 1, 1);
            QTest::addRow("%s, before first day", name) << type << nearFirst << "-10" << QDate();
            QTest::addRow("%s, last day", name) << type << nearLast << "11" << QDate(9999, 12, 31);
            QTest::addRow("%s, after last day", name) << type << nearLast << "12" << QDate();
            QTest::addRow("%s, whole range", name)
                    << type << QDate(1753, 1, 1) << "3012153" << QDate(9999, 12, 31);
        }
    }

    void rangeEnds()
    {
        QFETCH(int, type);
        QFETCH(QDate, base);
        QFETCH(QString, typed);
        QFETCH(QDate, target);
        today = type == DaysFromNow ? base : QDate(2026, 12, 5);
        startCalculator();
        choose(type);
        if (type == DaysBetween)
            pick(base);
        const FakeControls before = controls;

        calculate(typed);

        if (target.isValid()) {
            QCOMPARE(controls.calendar, target);
            QCOMPARE(controls.instructionColour, InstructionColour::White);
            return;
        }
        QCOMPARE(controls.instruction, outsideCalendar);
        QCOMPARE(controls.instructionColour, InstructionColour::Red);
        QCOMPARE(controls.calendar, before.calendar);
        QCOMPARE(controls.results, before.results);
        QCOMPARE(controls.calculateEnabled, before.calculateEnabled);
        QCOMPARE(calculator->state().firstDatePicked, type == DaysBetween);
    }
};

QTEST_GUILESS_MAIN(CalculatorTest)
#include "tst_calculator.moc"
