// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the program's own work takes for a calendar pick and for Calculate Date on the real
// window, and for building a result sentence alone.
#include "CalculatorWindow.h"
#include "ResultTexts.h"

#include <QTest>

class ResponseBenchmark : public QObject
{
    Q_OBJECT

    const QDate today {2026, 12, 5};

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void calendarPick()
    {
        CalculatorWindow window([this] { return today; }, RegionalSettings::of(QLocale()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *calendar = window.findChild<MonthCalendar *>(QStringLiteral("calendar"));
        const QPoint days[] = {calendar->dayRect(QDate(2027, 3, 17)).center(),
                               calendar->dayRect(QDate(2026, 12, 24)).center()};
        int i = 0;
        QBENCHMARK
        {
            QTest::mouseClick(calendar, Qt::LeftButton, {}, days[i++ % 2]);
        }
    }

    void calculateDate()
    {
        CalculatorWindow window([this] { return today; }, RegionalSettings::of(QLocale()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *dayCount = window.findChild<QLineEdit *>(QStringLiteral("dayCountBox"));
        auto *calculate = window.findChild<QPushButton *>(QStringLiteral("calculateButton"));
        const QString counts[] = {QStringLiteral("400"), QStringLiteral("-25")};
        int i = 0;
        QBENCHMARK
        {
            dayCount->setText(counts[i++ % 2]);
            calculate->click();
        }
    }

    // Our own work for one step of the pointer over the days: the span follows it, the changed
    // days are painted and the summary is written.
    void hoverStep()
    {
        CalculatorWindow window([this] { return today; }, RegionalSettings::of(QLocale()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *calendar = window.findChild<MonthCalendar *>(QStringLiteral("calendar"));
        const QPoint days[] = {calendar->dayRect(QDate(2026, 12, 17)).center(),
                               calendar->dayRect(QDate(2026, 12, 18)).center()};
        int i = 0;
        QBENCHMARK
        {
            QTest::mouseMove(calendar, days[i++ % 2]);
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
};

QTEST_MAIN(ResponseBenchmark)
#include "ResponseBenchmark.moc"
