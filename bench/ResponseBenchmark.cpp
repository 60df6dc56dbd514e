// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the program's own work takes on the real window for a calendar pick, for Calculate
// Date and for a step of the pointer over the days, and for building a result sentence and
// finding the day a thousand working days away alone.
#include "CalculatorWindow.h"
#include "DayContext.h"
#include "MonthPage.h"
#include "ResultTexts.h"
#include "WorkingWeek.h"

#include <QAction>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

class ResponseBenchmark : public QObject
{
    Q_OBJECT

    const QDate today {2026, 12, 5};
    std::unique_ptr<DayContext> context;
    std::unique_ptr<CalculatorWindow> window;

    MonthPage *page() const { return window->findChild<MonthPage *>("monthPage"); }
    // The centres of two days on the first row of months.
    std::array<QPoint, 2> twoDays(QDate first, QDate second) const
    {
        return {page()->dayRect(first).center(), page()->dayRect(second).center()};
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCoreApplication::setApplicationName(QStringLiteral("daywright")); // its stored holidays
        // One window for every measurement: QtTest runs a benchmark's function again for each
        // measurement, and a window made each time would read the stored holidays each time.
        context = std::make_unique<DayContext>([this] { return today; },
                                               RegionalSettings::of(QLocale()));
        window = std::make_unique<CalculatorWindow>(*context, HolidayStore());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The stored holidays are read once the first frame is painted: before any measurement.
        QTest::qWait(50);
        QCoreApplication::processEvents();
    }

    void calendarPick()
    {
        const auto days = twoDays(QDate(2027, 3, 17), QDate(2026, 12, 24));
        int i = 0;
        QBENCHMARK
        {
            QTest::mouseClick(page(), Qt::LeftButton, {}, days[i++ % 2]);
        }
    }

    void calculateDate()
    {
        auto *dayCount = window->findChild<QLineEdit *>(QStringLiteral("dayCountBox"));
        auto *calculate = window->findChild<QPushButton *>(QStringLiteral("calculateButton"));
        const QString counts[] = {QStringLiteral("400"), QStringLiteral("-25")};
        int i = 0;
        QBENCHMARK
        {
            dayCount->setText(counts[i++ % 2]);
            calculate->click();
        }
    }

    void hoverStep_data()
    {
        QTest::addColumn<QString>("calendar"); // as the calendar's menu names it
        QTest::newRow("Gregorian") << QStringLiteral("Gregorian");
        // Laying out and painting a Persian page converts each of its days.
        QTest::newRow("Persian") << QStringLiteral("Persian (Solar Hijri)");
        // A Hebrew page's days go through the program's own arithmetic.
        QTest::newRow("Hebrew") << QStringLiteral("Hebrew");
    }

    // The span follows the pointer, the changed days are painted and the summary is rewritten.
    void hoverStep()
    {
        QFETCH(QString, calendar);
        const QList<QAction *> actions = window->findChildren<QAction *>();
        (*std::ranges::find(actions, calendar, &QAction::text))->trigger();
        const auto days = twoDays(QDate(2026, 12, 17), QDate(2026, 12, 18));
        int i = 0;
        QBENCHMARK
        {
            QTest::mouseMove(page(), days[i++ % 2]);
            QCoreApplication::processEvents();
        }
    }

    void resultSentence()
    {
        const ResultTexts texts {QLocale()};
        qint64 count = 0;
        QBENCHMARK
        {
            const QString sentence = texts.fromToday(today.addDays(count), count, today);
            ++count;
        }
    }

    // Scripts ask for working days in batches: a thousand forward and back in turn, past the
    // stored holidays.
    void thousandWorkingDays()
    {
        qint64 count = 1000;
        QBENCHMARK
        {
            workingDaysFrom(today, count, context->workingWeek(), context->holidays());
            count = -count;
        }
    }
};

QTEST_MAIN(ResponseBenchmark)
#include "ResponseBenchmark.moc"
