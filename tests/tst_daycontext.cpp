// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"
#include "DateQuestions.h"
#include "DayContext.h"
#include "FakeControls.h"
#include "HolidayActions.h"
#include "MonthCalendar.h"
#include "MonthPage.h"
#include "SharedAnswers.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DayContextTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    // The calculator's summary, the calendar's selected day and the command line's answer, all
    // read from one context, follow one change of it; the command line sums the span up as the
    // calculator does. 5 December 2026 is 14 Azar 1405, Azar has 30 days; Christmas, on a
    // Friday, is 4 Dey; Israel works Sunday to Thursday.
    void oneChangeReachesAllThree_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char *change, const char *summary, const char *spoken) {
            QTest::newRow(change) << change << summary << spoken;
        };
        row("calendar",
            "14/09/1405 to 16/10/1405: 32 days (4 weeks 4 days; 1 month 2 days), 23 working days",
            "Friday, 4 Dey 1405");
        row("region",
            "5.12.2026 to 6.1.2027: 32 days (4 weeks 4 days; 1 month 1 day), 24 working days",
            "יום שישי, 25 בדצמבר 2026");
        row("import",
            "05/12/2026 to 06/01/2027: 32 days (4 weeks 4 days; 1 month 1 day), 22 working days (1 "
            "holiday)",
            "Friday, 25 December 2026, Christmas Day");
    }
    void oneChangeReachesAllThree()
    {
        DayContext context([] { return QDate(2026, 12, 5); }, RegionalSettings::of(QLocale()));
        FakeControls controls;
        Calculator calculator(controls, context);
        calculator.start();
        calculator.datePicked({2027, 1, 6});
        QWidget window;
        MonthCalendar calendar(context, &window);
        calendar.setSelectedDate({2026, 12, 25});
        DateQuestions questions(context);
        QFETCH(QString, change);
        const QTemporaryDir folder;
        const HolidayStore store(folder.filePath("store"));
        HolidayActions holidays(store, context, &window);
        if (change == "calendar") {
            context.setCalendarSystem(CalendarSystem::Persian);
        } else if (change == "region") {
            context.setRegions(RegionalSettings::of(QLocale("he_IL")));
        } else {
            QFile file(folder.filePath("england.ics"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(christmasCalendar()) > 0);
            file.close();
            holidays.importFiles({file.fileName()});
        }
        QTEST(controls.spanSummary, "summary");
        QTEST(QAccessible::queryAccessibleInterface(calendar.findChild<MonthPage *>())
                      ->text(QAccessible::Value),
              "spoken");
        const QStringList answer = questions.between("2026-12-05", "2027-01-06").text.split(u'\n');
        QCOMPARE(answer.first(),
                 "The number of days from " + controls.spanSummary.section(u':', 0, 0) + " is  32");
        QCOMPARE(answer.at(2), controls.spanSummary);
    }
};

QTEST_MAIN(DayContextTest)
#include "tst_daycontext.moc"
