// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"
#include "DayContext.h"
#include "FakeControls.h"
#include "FixedTexts.h"
#include "ResultTexts.h"
#include "Settings.h"
#include "WorkingWeek.h"

#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include <memory>

Q_DECLARE_METATYPE(CalendarSpan)

using namespace Qt::StringLiterals;

class CalculatorTest : public QObject
{
    Q_OBJECT

    enum Type { DaysFromNow = 0, DaysBetween = 1 };

    QDate today {2026, 12, 5};
    FakeControls controls;
    std::unique_ptr<DayContext> context;
    std::unique_ptr<Calculator> calculator;

    void start(const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        controls = FakeControls();
        calculator.reset();
        context = std::make_unique<DayContext>([this] { return today; },
                                               RegionalSettings::of(locale));
        calculator = std::make_unique<Calculator>(controls, *context);
        calculator->start();
    }
    void choose(int type)
    {
        controls.selectedType = type;
        calculator->calculationTypeChosen(type);
    }
    void pick(QDate date) { calculator->datePicked(date); }
    void calculate(const QString &typed)
    {
        controls.dayCount = typed;
        calculator->calculateDate();
    }
    void showInputError()
    {
        calculate(QStringLiteral("abc"));
        QCOMPARE(controls.instructionColour, InstructionColour::Error);
    }

private slots:
    // A count takes the form its language's grammar gives it: per language, the word for 0, 1,
    // 2, 3, 5, 11, 21, 100 and 101 days, as a speaker writes it.
    void countsTakeTheirLanguagesForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("words");
        const auto row = [](const char *language, const char *words) {
            QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(words);
        };
        row("en", "days day days days days days days days days");
        row("de", "Tage Tag Tage Tage Tage Tage Tage Tage Tage");
        row("fr", "jour jour jours jours jours jours jours jours jours");
        row("pt_BR", "dia dia dias dias dias dias dias dias dias");
        row("ru", "дней день дня дня дней дней день дней день");
        row("pl", "dni dzień dni dni dni dni dni dni dni");
        row("ar", "يوم|يوم واحد|يومان|أيام|أيام|يومًا|يومًا|يوم|يوم");
        row("he", "ימים יום ימים ימים ימים ימים ימים ימים ימים");
        row("tr", "gün gün gün gün gün gün gün gün gün");
        row("ja", "日 日 日 日 日 日 日 日 日");
    }
    void countsTakeTheirLanguagesForms()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/daywright_") + language));
        QCoreApplication::installTranslator(&translator);
        const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        QStringList words;
        for (const int count : {0, 1, 2, 3, 5, 11, 21, 100, 101}) {
            const QString number = QString::number(count);
            words << withPlaces(QCoreApplication::translate("ResultTexts", "%1 day(s)", nullptr,
                                                            count),
                                {number})
                             .remove(number)
                             .trimmed();
        }
        QTEST(words.join(language == u"ar" ? u'|' : u' '), "words");
        // A count back in time keeps its sign, also where the word says the number.
        const QString weeks
                = ResultTexts(QLocale::c()).betweenDates({2026, 12, 19}, {2026, 12, 3}, -16);
        QVERIFY2(weeks.section(u'\n', 1).count(u'-') == 2, qPrintable(weeks));
    }

    void init()
    {
        today = QDate(2026, 12, 5);
        start();
    }

    // Load starts counting from today; a pick from today clears the red but keeps the message.
    void loadStartsInDaysFromNow()
    {
        QCOMPARE(controls.selectedType, int(DaysFromNow));
        QCOMPARE(controls.calendar, today);
        QVERIFY(controls.calculateEnabled && !calculator->state().twoDatesMode
                && !calculator->state().firstDatePicked);
        showInputError();
        pick(today.addDays(-10));
        QCOMPARE(controls.results,
                 "25/11/2026 is -10 days from 05/12/2026\nThat is -1 Weeks and -3 Days.");
        QCOMPARE(controls.dayCount, QStringLiteral("-10"));
        QCOMPARE(controls.instructionColour, InstructionColour::Normal);
        QCOMPARE(controls.instruction, FixedTexts::notWholeNumber());
    }

    // Switching the type back and forth drops a held first date and keeps a red background red.
    void choosingTypesSwitchesTheWork()
    {
        showInputError();
        choose(DaysBetween);
        choose(DaysFromNow);
        QCOMPARE(controls.instruction, FixedTexts::daysFromNowInstruction());
        QCOMPARE(controls.results, FixedTexts::resultsPlaceholder());
        QVERIFY(controls.calculateEnabled && !calculator->state().twoDatesMode);
        choose(DaysBetween);
        pick(QDate(2026, 3, 1));
        choose(DaysBetween);
        QCOMPARE(controls.instruction, FixedTexts::selectFirstDate());
        QCOMPARE(controls.results, QString());
        QVERIFY(!controls.calculateEnabled && calculator->state().twoDatesMode);
        QCOMPARE(controls.instructionColour, InstructionColour::Error);
        pick(QDate(2026, 4, 1));
        QCOMPARE(controls.results, "First date selected is 01/04/2026");
    }

    // A pick, or a count from the first date wherever the calendar is, completes a held pair;
    // a count without a first date asks for one.
    void pickingOrCountingCompletesAPair()
    {
        showInputError();
        choose(DaysBetween);
        pick(QDate(2026, 3, 15));
        QCOMPARE(controls.results, QStringLiteral("First date selected is 15/03/2026"));
        QCOMPARE(controls.instruction, FixedTexts::selectSecondDate());
        QVERIFY(controls.calculateEnabled && calculator->state().firstDatePicked);
        QCOMPARE(controls.dayCount, QStringLiteral("abc"));
        QCOMPARE(controls.instructionColour, InstructionColour::Error);
        const QDate second(2026, 3, 1);
        pick(second);
        QCOMPARE(controls.results,
                 "The number of days from 15/03/2026 to 01/03/2026 is -14\n"
                 "That is -2 Weeks and 0 Days.");
        QCOMPARE(controls.dayCount, "-14");
        QCOMPARE(controls.instruction, FixedTexts::selectNewFirstDate());
        QVERIFY(!controls.calculateEnabled && !calculator->state().firstDatePicked);
        QCOMPARE(controls.instructionColour, InstructionColour::Normal);
        showInputError();
        calculate(QStringLiteral("5"));
        QCOMPARE(controls.instruction, FixedTexts::mustSelectFirstDate());
        QCOMPARE(controls.instructionColour, InstructionColour::Normal);
        pick(second);
        QCOMPARE(controls.instruction, FixedTexts::selectSecondDate());
        calculate(QStringLiteral("2.5"));
        calculate(QStringLiteral("30"));
        QCOMPARE(controls.results,
                 "The number of days from 01/03/2026 to 31/03/2026 is  30\n"
                 "That is 4 Weeks and 2 Days.");
        QCOMPARE(controls.instruction, FixedTexts::selectNewFirstDate());
        QVERIFY(!controls.calculateEnabled && !calculator->state().firstDatePicked);
    }

    void typedCount_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<int>("days");
        const auto rejected = [](const char *locale, const QString &typed, const QString &message,
                                 int days = 0) {
            QTest::addRow("%s '%s'", locale, qPrintable(typed.left(12)))
                    << locale << typed << message << days;
        };
        const auto accepted = [&](const char *locale, const QString &typed, int days) {
            rejected(locale, typed, FixedTexts::afterCalculationInstruction(), days);
        };
        accepted("en_GB", "0", 0);
        accepted("en_GB", " +14 ", 14);
        accepted("en_GB", "1e1", 10);
        rejected("en_GB", "", FixedTexts::notWholeNumber());
        rejected("en_GB", "14x", FixedTexts::notWholeNumber());
        rejected("en_GB", "inf", FixedTexts::notWholeNumber());
        rejected("en_GB", "-2.5", FixedTexts::notWholeNumber());
        rejected("en_GB", "1000000.01", FixedTexts::notWholeNumber());
        rejected("en_GB", "1,5", FixedTexts::notWholeNumber());
        rejected("en_GB", "1e39", FixedTexts::outsideCalendar());
        rejected("en_GB", QString(10000, u'9'), FixedTexts::outsideCalendar());
        accepted("de_DE", "3,0", 3);
        accepted("de_DE", "1.000", 1000);
        // What input methods and other scripts type.
        accepted("ja_JP", u"\uFF0D\uFF15"_s, -5);
        accepted("zh_CN", u"\uFF11\uFF0C\uFF10\uFF10\uFF10"_s, 1000);
        rejected("ja_JP", u"\uFF12\uFF0E\uFF15"_s, FixedTexts::notWholeNumber());
        accepted("hi_IN", u"\u0967\u0968"_s, 12);
        accepted("ar_EG", u"\u0661\u066C\u0660\u0660\u0660"_s, 1000);
        accepted("sv_SE", "1e3", 1000);
        // Copied from right-to-left text, with its invisible direction marks.
        accepted("he_IL", u"\u200F12\u200E"_s, 12);
        accepted("ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt).negativeSign() + u"\u0665"_s,
                 -5);
        rejected("en_GB", u"1\u061C2"_s, FixedTexts::notWholeNumber());
        // An ideographic space is a blank, and blanks never join digits.
        rejected("ja_JP", u"\uFF11\uFF12\u3000\uFF13"_s, FixedTexts::notWholeNumber());
    }
    void typedCount()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, instruction);
        QFETCH(int, days);
        start(QLocale(locale));
        calculate(typed);
        QCOMPARE(controls.instruction, instruction);
        QCOMPARE(controls.calendar, today.addDays(days));
        QCOMPARE(controls.dayCount, typed);
        QCOMPARE(controls.instructionColour == InstructionColour::Error,
                 instruction != FixedTexts::afterCalculationInstruction());
    }

    // The calendar follows the time region: Persian where people live by it, else Gregorian.
    void regionsFollowTheirCategories_data()
    {
        QTest::addColumn<QStringList>("lang_time_numeric_all");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<CalendarSystem>("calendar");
        using enum CalendarSystem;
        const auto row = [](const char *name, QStringList variables, const char *dates,
                            const char *numbers, CalendarSystem calendar = Gregorian) {
            QTest::newRow(name) << variables << dates << numbers << calendar;
        };
        row("time alone", {"C.UTF-8", "de_DE.UTF-8", "", ""}, "de_DE", "C");
        row("time is C", {"en_GB.UTF-8", "C", "", ""}, "C", "en_GB");
        row("numbers alone", {"en_GB.UTF-8", "", "de_DE.UTF-8", ""}, "en_GB", "de_DE");
        row("all overrides", {"en_GB.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8", "POSIX"}, "C", "C");
        row("Iran", {"en_GB.UTF-8", "fa_IR.UTF-8", "", ""}, "fa_IR", "en_GB", Persian);
        row("Afghanistan", {"fa_AF.UTF-8", "", "", ""}, "fa_AF", "fa_AF", Persian);
        row("Pashto", {"", "", "", "ps_AF.UTF-8"}, "ps_AF", "ps_AF", Persian);
        row("Pakistan", {"", "", "", "ps_PK.UTF-8"}, "ps_PK", "ps_PK");
    }
    void regionsFollowTheirCategories()
    {
        QFETCH(QStringList, lang_time_numeric_all);
        const char *variables[] = {"LANG", "LC_TIME", "LC_NUMERIC", "LC_ALL"};
        for (int i = 0; i < 4; ++i)
            qputenv(variables[i], lang_time_numeric_all[i].toLatin1());
        const RegionalSettings regions = RegionalSettings::fromEnvironment();
        QTEST(regions.dates.name(), "dates");
        QTEST(regions.numbers.name(), "numbers");
        QTEST(DayContext(&QDate::currentDate, regions).calendarSystem(), "calendar");
    }

    // Counts reach the range's ends exactly, from a held first date as from today.
    void rangeEnds_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDate>("base");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("target"); // null: refused
        const auto row
                = [](const char *name, int type, QDate base, const char *typed, QDate target) {
                      QTest::newRow(name) << type << base << typed << target;
                  };
        row("first day", DaysBetween, {1753, 1, 10}, "-9", {1753, 1, 1});
        row("before the first day", DaysFromNow, {1753, 1, 10}, "-10", {});
        row("last day", DaysFromNow, {9999, 12, 20}, "11", {9999, 12, 31});
        row("after the last day", DaysBetween, {9999, 12, 20}, "12", {});
        row("whole range", DaysBetween, {1753, 1, 1}, "3012153", {9999, 12, 31});
    }
    void rangeEnds()
    {
        QFETCH(int, type);
        QFETCH(QDate, base);
        QFETCH(QDate, target);
        today = type == DaysFromNow ? base : QDate(2026, 12, 5);
        start();
        choose(type);
        if (type == DaysBetween)
            pick(base);
        const QDate before = controls.calendar;
        QFETCH(QString, typed);
        calculate(typed);
        QCOMPARE(controls.calendar, target.isValid() ? target : before);
    }

    // The calendar counts from its start (today, or a held first date) to the day the pointer or
    // the keys last moved to; an answer shows its own span until they next move, and once the
    // pointer leaves the days the last answer's span stays.
    void theSpanRunsToThePointedDayOrShowsTheAnswer_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("movedTo"); // none: nothing moved after the answer
        QTest::addColumn<CalendarSpan>("shown");
        QTest::addColumn<QString>("summary");
        const QDate today(2026, 12, 5), christmas(2026, 12, 25), march(2026, 3, 1);
        const QVariant stayed, left = QDate();
        const auto row = [](const char *name, int type, QDate picked, const char *typed,
                            QVariant movedTo, CalendarSpan shown, const char *summary) {
            QTest::newRow(name) << type << picked << typed << movedTo << shown << summary;
        };
        row("from today, keys moved", DaysFromNow, {}, "", stayed, {today, {2027, 1, 6}, {}},
            "05/12/2026 to 06/01/2027: 32 days");
        row("from today, pointer gone", DaysFromNow, {}, "", left, {}, "");
        row("after a pick, pointing", DaysFromNow, christmas, "", march, {today, march, {}},
            "05/12/2026 to 01/03/2026: -279 days");
        row("after a pick", DaysFromNow, christmas, "", stayed, {today, christmas, {}},
            "05/12/2026 to 25/12/2026: 20 days");
        row("after a count, pointer gone", DaysFromNow, {}, "100", left, {today, {2027, 3, 15}, {}},
            "05/12/2026 to 15/03/2027: 100 days");
        row("no first date", DaysBetween, {}, "", christmas, {}, "");
        row("first date, pointing", DaysBetween, march, "", QDate(2026, 2, 26),
            {march, {2026, 2, 26}, march}, "01/03/2026 to 26/02/2026: -3 days");
        row("first date", DaysBetween, march, "", stayed, {{}, {}, march}, "");
        row("pair completed", DaysBetween, march, "2", christmas, {march, {2026, 3, 3}, {}},
            "01/03/2026 to 03/03/2026: 2 days");
    }
    void theSpanRunsToThePointedDayOrShowsTheAnswer()
    {
        QFETCH(int, type);
        QFETCH(QDate, picked);
        QFETCH(QString, typed);
        QFETCH(QVariant, movedTo);
        choose(type);
        calculator->datePointed(QDate(2027, 1, 6));
        if (picked.isValid())
            pick(picked);
        if (!typed.isEmpty())
            calculate(typed);
        if (movedTo.isValid())
            calculator->datePointed(movedTo.toDate());
        QTEST(controls.span, "shown");
        QFETCH(QString, summary);
        QVERIFY2(summary.isEmpty() ? controls.spanSummary.isEmpty()
                                   : controls.spanSummary.startsWith(summary),
                 qPrintable(controls.spanSummary));
    }

    // At midnight, and whenever a reading of the clock finds the day turned, a span counted from
    // today moves on with it; an answer, and a first date, stay as they were given.
    void theSpanFromTodayMovesOnAtMidnight()
    {
        const Today untouched([] { return QDate(2026, 12, 5); }); // armed before it is first read
        QVERIFY(untouched.findChild<QTimer *>()->isActive());
        auto *timer = context->today().findChild<QTimer *>();
        QVERIFY(timer->isActive() && timer->remainingTime() <= 24 * 3600 * 1000 + 1000);
        const auto midnight = [this, timer] {
            today = today.addDays(1);
            timer->stop(); // as once it has fired
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            QVERIFY(timer->isActive()); // and set again for the next
        };
        pick(today.addDays(3));
        calculator->datePointed(QDate(2026, 12, 25));
        midnight();
        QVERIFY(controls.spanSummary.startsWith("06/12/2026 to 25/12/2026: 19 days"));
        calculator->datePointed({});
        QCOMPARE(controls.span, CalendarSpan({{2026, 12, 5}, {2026, 12, 8}, {}}));
        choose(DaysBetween);
        pick(QDate(2026, 3, 1));
        calculator->datePointed(QDate(2026, 3, 8));
        midnight();
        QCOMPARE(controls.span, CalendarSpan({{2026, 3, 1}, {2026, 3, 8}, {2026, 3, 1}}));
    }

    // A message holds the summary line until the span is next summed up: a change of what it
    // counts, or of the span itself.
    void aMessageStaysUntilTheSpanIsSummedUp_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("stays");
        QTest::newRow("an input error") << "error" << true;
        QTest::newRow("another region") << "region" << false;
        QTest::newRow("pointing") << "point" << false;
    }
    void aMessageStaysUntilTheSpanIsSummedUp()
    {
        calculator->datePointed(QDate(2026, 12, 19));
        calculator->showMessage(QStringLiteral("national: 1 holiday day, 0 events skipped"));
        QFETCH(QString, then);
        if (then == "error")
            calculate(QStringLiteral("abc"));
        else if (then == "region")
            context->setRegions(RegionalSettings::of(QLocale("de_DE")));
        else
            calculator->datePointed(QDate(2026, 12, 20));
        QTEST(controls.spanSummary.startsWith("national:"), "stays");
        QVERIFY(!controls.spanSummary.isEmpty());
    }

    // A choice made from the menus is kept for the next run, the calendar and the working week
    // given for one run only are not, and a stored value this version cannot read is passed over.
    void settingsAreKeptForTheNextRun()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QCoreApplication::applicationName()).clear();
        Settings settings;
        settings.restore(*context, CalendarSystem::Islamic, QList {Qt::Sunday});
        QCOMPARE(context->workingWeek(), QList {Qt::Sunday});
        settings.keepChangesOf(*context);
        context->setWeekNumbersShown(true);
        const auto nextRun = [&] {
            DayContext next([] { return QDate(); }, RegionalSettings::of(QLocale("fa_IR")));
            settings.restore(next);
            return std::tuple(next.calendarSystem(), next.weekNumbersShown(),
                              WorkingWeek::write(next.workingWeek()));
        };
        // The region's own
        QCOMPARE(nextRun(), std::tuple(CalendarSystem::Persian, true, "mon,tue,wed,thu,sat,sun"));
        context->setCalendarSystem(CalendarSystem::Islamic); // the run's own, chosen again
        context->setWorkingWeek(QList {Qt::Monday, Qt::Friday});
        QCOMPARE(nextRun(), std::tuple(CalendarSystem::Islamic, true, "mon,fri"));
        context->setCalendarSystem(CalendarSystem::Hebrew);
        QCOMPARE(std::get<0>(nextRun()), CalendarSystem::Hebrew);
        QSettings(QCoreApplication::applicationName()).setValue("calendar/system", "julian");
        QSettings(QCoreApplication::applicationName()).setValue("calendar/workingWeek", "x");
        QCOMPARE(nextRun(), std::tuple(CalendarSystem::Persian, true, "mon,tue,wed,thu,sat,sun"));
    }

    // Days, weeks, and from a month on the calendar's months and years; working days by the
    // region's week, less the holidays on them. Figures worked out by hand.
    void spanSummaryCountsInEveryUnit_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<CalendarSystem>("calendar");
        const auto row = [](QLocale locale, QDate from, QDate to, const char *summary,
                            CalendarSystem calendar = CalendarSystem::Gregorian) {
            QTest::newRow(summary)
                    << locale << from << to << QString::fromUtf8(summary) << calendar;
        };
        const QLocale britain("en_GB"), india("en_IN"); // India works Saturdays
        row(india, {2026, 12, 6}, {2026, 12, 13},
            "06/12/2026 to 13/12/2026: 7 days (1 week 0 days), 6 working days");
        row(britain, {2026, 12, 25}, {2026, 12, 28},
            "25/12/2026 to 28/12/2026: 3 days (0 weeks 3 days), 0 working days (1 holiday)");
        row(britain, {2026, 1, 31}, {2026, 3, 1},
            "31/01/2026 to 01/03/2026: 29 days (4 weeks 1 day; 1 month 1 day), 20 working days");
        row(britain, {2028, 2, 29}, {2029, 2, 28},
            "29/02/2028 to 28/02/2029: 365 days (52 weeks 1 day; 1 year 0 months 0 days), 261 "
            "working days");
        row(britain, {2025, 1, 1}, {2026, 1, 2},
            "01/01/2025 to 02/01/2026: 366 days (52 weeks 2 days; 1 year 0 months 1 day), 262 "
            "working days");
        row(britain, {1753, 1, 1}, {9999, 12, 31},
            "01/01/1753 to 31/12/9999: 3012153 days (430307 weeks 4 days; 8246 years 11 months 30 "
            "days), 2151536 working days (3 holidays)");
        // Every region's short format, with every year in four digits.
        row(QLocale("en_US"), {9999, 12, 30}, {9999, 12, 31},
            "12/30/9999 to 12/31/9999: 1 day (0 weeks 1 day), 1 working day");
        row(QLocale("ko_KR"), {2026, 12, 5}, {2026, 12, 6},
            "2026. 12. 5. to 2026. 12. 6.: 1 day (0 weeks 1 day), 0 working days");
        row(britain, {2026, 12, 14}, {2026, 12, 13},
            "14/12/2026 to 13/12/2026: -1 day (0 weeks -1 day), -1 working day");
        // Other calendars, by hand: 30 Esfand 1403 = 20 March 2025, 1 Farvardin 1405 = 21 March
        // 2026, 30 Dhu al-Hijjah 1447 = 16 June 2026; a month from 30 Muharram 1448 is 29 Safar.
        const auto persian = CalendarSystem::Persian, islamic = CalendarSystem::Islamic;
        row(britain, {2025, 3, 20}, {2026, 3, 21},
            "30/12/1403 to 01/01/1405: 366 days (52 weeks 2 days; 1 year 0 months 1 day), 261 "
            "working days",
            persian);
        row(britain, {2026, 6, 16}, {2027, 6, 5},
            "30/12/1447 to 29/12/1448: 354 days (50 weeks 4 days; 1 year 0 months 0 days), 250 "
            "working days (3 holidays)",
            islamic);
        row(britain, {2026, 7, 16}, {2026, 8, 14},
            "30/01/1448 to 29/02/1448: 29 days (4 weeks 1 day; 1 month 0 days), 21 working days",
            islamic);
        // Hebrew years as people count them: from 30 Adar I 5784 a year on is 29 Adar 5785, and
        // 5784 has thirteen months; 1 Tishrei 5785 is 3 October 2024, 5807's 1 October 2046.
        const auto hebrew = CalendarSystem::Hebrew;
        row(britain, {2024, 3, 10}, {2025, 3, 29},
            "30/06/5784 to 29/06/5785: 384 days (54 weeks 6 days; 1 year 0 months 0 days), 275 "
            "working days",
            hebrew);
        row(britain, {2024, 1, 25}, {2025, 2, 12},
            "15/05/5784 to 14/05/5785: 384 days (54 weeks 6 days; 12 months 28 days), 274 "
            "working days",
            hebrew);
        row(QLocale("he_IL"), {2024, 10, 3}, {2046, 10, 1},
            "1.1.5785 to 1.1.5807: 8033 days (1147 weeks 4 days; 22 years 0 months 0 days), 5736 "
            "working days (1 holiday)",
            hebrew);
    }

    // Through the calculator, which counts by the context's working week and holidays.
    void spanSummaryCountsInEveryUnit()
    {
        QFETCH(QLocale, locale);
        QFETCH(CalendarSystem, calendar);
        start(locale);
        context->setCalendarSystem(calendar);
        Holidays holidays; // Britain's: Boxing Day on a Saturday, its substitute on Monday
        for (QDate day :
             {QDate(2026, 12, 25), QDate(2026, 12, 26), QDate(2026, 12, 28), QDate(2027, 1, 1)})
            holidays.add(day, QStringLiteral("Holiday"));
        context->setHolidays(holidays);
        choose(DaysBetween);
        QFETCH(QDate, from);
        pick(from);
        QFETCH(QDate, to);
        calculator->datePointed(to);
        QTEST(controls.spanSummary, "summary");
    }

    // Every year's Rosh Hashana and length from 1753 to 9999, against the published rules worked
    // afresh: the molad of Tishrei counted in months of the 19-year cycle and in parts from
    // BaHaRaD, then the four postponements, one by one.
    void hebrewYearsFollowThePublishedRules()
    {
        const qint64 day = 25920, hour = 1080, month = 29 * day + 12 * hour + 793;
        const auto leap
                = [](int year) { return QList {0, 3, 6, 8, 11, 14, 17}.contains(year % 19); };
        const auto roshHashana = [&](int year) { // days from the Sunday of the epoch's week
            qint64 months = (year - 1) / 19 * 235;
            for (int y = (year - 1) / 19 * 19 + 1; y < year; ++y)
                months += leap(y) ? 13 : 12;
            const qint64 molad = day + 5 * hour + 204 + months * month; // from Saturday 6 p.m.
            const qint64 days = molad / day, time = molad % day, weekday = days % 7; // 0 Sunday
            if (!leap(year) && weekday == 2 && time >= 9 * hour + 204)
                return days + 2; // GaTaRaD: Thursday
            if (leap(year - 1) && weekday == 1 && time >= 15 * hour + 589)
                return days + 1; // BeTUTaKPaT: Tuesday
            const qint64 delayed = days + (time >= 18 * hour ? 1 : 0); // molad zaken
            return QList<qint64> {0, 3, 5}.contains(delayed % 7) ? delayed + 1 : delayed; // ADU
        };
        const Calendar &hebrew = calendarOf(CalendarSystem::Hebrew);
        const qint64 epoch = QDate(2024, 10, 3).toJulianDay() - roshHashana(5785);
        for (int year = 5513; year <= 13760; ++year) {
            const qint64 start = roshHashana(year), length = roshHashana(year + 1) - start;
            int days = 0;
            for (int m = 1; m <= hebrew.monthsInYear(year); ++m)
                days += hebrew.daysInMonth(year, m);
            QCOMPARE(hebrew.dateFromParts(year, 1, 1).toJulianDay(), epoch + start);
            QCOMPARE(days, length);
            QCOMPARE(hebrew.monthsInYear(year), length > 355 ? 13 : 12);
        }
    }

    // Written and read as the region writes them: Hebrew names under Hebrew, English elsewhere.
    void hebrewDatesAreWrittenAsTheRegionWrites_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("written");
        const auto row = [](const char *locale, QDate date, const char *written) {
            QTest::newRow(written) << QLocale(locale) << date << QString::fromUtf8(written);
        };
        row("en_GB", {2024, 3, 24}, "Sunday, 14 Adar II 5784");
        row("en_GB", {2024, 3, 10}, "Sunday, 30 Adar I 5784");
        row("en_US", {2025, 3, 14}, "Friday, Adar 14, 5785");
        row("he_IL", {2024, 3, 24}, "יום ראשון, 14 באדר ב׳ 5784");
        row("he_IL", {2046, 10, 1}, "יום שני, 1 בתשרי 5807");
        row("ar_EG", {2024, 11, 3}, "الأحد، ٢ Heshvan ٥٧٨٥");
    }
    void hebrewDatesAreWrittenAsTheRegionWrites()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        const Calendar &hebrew = calendarOf(CalendarSystem::Hebrew);
        QTEST(hebrew.toString(date, locale, QLocale::LongFormat), "written");
        const QString numeric = hebrew.toString(date, locale, fourDigitYearDateFormat(locale));
        QCOMPARE(hebrew.toDate(numeric, locale, fourDigitYearDateFormat(locale)), date);
    }

    // The count-th working day against a walk day by day, in three weeks, past a run of holidays
    // over a year's end and 400 yearly ones, both ways, and to the range's ends and beyond them.
    void workingDaysFromMatchesAWalk_data()
    {
        QTest::addColumn<QString>("week");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<qint64>("count");
        const auto row = [](const char *week, QDate from, qint64 count) {
            QTest::addRow("%s from %s, %lld", week, qPrintable(from.toString(Qt::ISODate)), count)
                    << week << from << count;
        };
        for (const char *week : {"mon-fri", "sun-thu", "tue,thu,sat"}) {
            for (const qint64 count : {0, 1, 5, 260, 100000})
                row(week, {2026, 12, 23}, count);
            for (const qint64 count : {-1, -5, -1000, 5}) // from a holiday on a Saturday
                row(week, {2027, 1, 2}, count);
            for (const qint64 count : {5, 8, 9})
                row(week, {9999, 12, 20}, count);
            for (const qint64 count : {-2, -6, -7})
                row(week, {1753, 1, 10}, count);
        }
    }
    void workingDaysFromMatchesAWalk()
    {
        QFETCH(QString, week);
        QFETCH(QDate, from);
        QFETCH(qint64, count);
        const auto days = std::get<WorkingWeek::Days>(WorkingWeek::read(week));
        Holidays holidays;
        for (QDate day(2026, 12, 24); day < QDate(2027, 1, 4); day = day.addDays(1))
            holidays.add(day, u"Break"_s);
        for (int year = 2027; year < 2427; ++year)
            holidays.addEvery400Years({year, 5, 1}, u"May Day"_s);
        for (const QDate day : {QDate(1753, 1, 5), QDate(9999, 12, 24)})
            holidays.add(day, u"Feast"_s);
        QDate walked = from;
        for (qint64 left = qAbs(count); left > 0 && walked.isValid();) {
            walked = walked.addDays(count < 0 ? -1 : 1);
            if (!CalendarRange::contains(walked))
                walked = QDate();
            left -= days.contains(Qt::DayOfWeek(walked.dayOfWeek()))
                    && holidays.names(walked).isEmpty();
        }
        QCOMPARE(workingDaysFrom(from, count, days, holidays).value_or(QDate()), walked);
    }

    // The command line's and the settings' words for a working week, written back as read.
    void workingWeeksAreReadFromTheirWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // the days as written back, or why they are refused
        QTest::newRow("a range") << "mon-fri"
                                 << "mon,tue,wed,thu,fri";
        QTest::newRow("over the week's end") << " SUN - thu"
                                             << "mon,tue,wed,thu,sun";
        QTest::newRow("listed") << "sat,sun,mon,tue,wed"
                                << "mon,tue,wed,sat,sun";
        QTest::newRow("numbers") << "6-1,3"
                                 << "mon,wed,sat,sun";
        QTest::newRow("no day") << "mon-"
                                << "'mon-' is no day of the week: write mon to sun, or 1 to 7";
        QTest::newRow("no number") << "8"
                                   << "'8' is no day of the week: write mon to sun, or 1 to 7";
        QTest::newRow("three ends")
                << "mon-wed-fri"
                << "'mon-wed-fri' is no day of the week: write mon to sun, or 1 to 7";
        QTest::newRow("none") << " , "
                              << "A working week needs at least one working day.";
    }
    void workingWeeksAreReadFromTheirWords()
    {
        QFETCH(QString, text);
        const auto read = WorkingWeek::read(text);
        const QString *why = std::get_if<QString>(&read);
        QTEST(why ? *why : WorkingWeek::write(std::get<WorkingWeek::Days>(read)), "read");
    }

    // Counts go into the sentences and the day box whole, without the region's group separators.
    void countsAreWrittenWithoutGroupSeparators()
    {
        const ResultTexts british(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(british.fromToday(QDate(2026, 12, 19), 3012153, today),
                 "19/12/2026 is  3012153 days from 05/12/2026\nThat is 430307 Weeks and 4 Days.");
        QCOMPARE(ResultTexts::dayCountBox(-3012153), "-3012153");
    }

    // A quoted "yy" in a region's date format is text, kept as written.
    void quotedYearsStayAsWritten()
    {
        QCOMPARE(widenTwoDigitYears("d 'yy' yy''yy"), QStringLiteral("d 'yy' yyyy''yyyy"));
    }
};

QTEST_GUILESS_MAIN(CalculatorTest)
#include "tst_calculator.moc"
