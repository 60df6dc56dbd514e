// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultTexts.h"

#include <QTest>

class ResultTextsTest : public QObject
{
    Q_OBJECT

    const ResultTexts british {QLocale(QLocale::English, QLocale::UnitedKingdom)};

private slots:
    void sentencesForDayCounts_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("countInSentence");
        QTest::addColumn<QString>("breakdown");
        QTest::newRow("0") << qint64(0) << " 0"
                           << "That is 0 Weeks and 0 Days.";
        QTest::newRow("-1") << qint64(-1) << "-1"
                            << "That is 0 Weeks and -1 Days.";
        QTest::newRow("7") << qint64(7) << " 7"
                           << "That is 1 Weeks and 0 Days.";
        QTest::newRow("-7") << qint64(-7) << "-7"
                            << "That is -1 Weeks and 0 Days.";
        QTest::newRow("15") << qint64(15) << " 15"
                            << "That is 2 Weeks and 1 Days.";
        QTest::newRow("-10") << qint64(-10) << "-10"
                             << "That is -1 Weeks and -3 Days.";
        QTest::newRow("whole range") << qint64(3012153) << " 3012153"
                                     << "That is 430307 Weeks and 4 Days.";
        QTest::newRow("whole range back") << qint64(-3012153) << "-3012153"
                                          << "That is -430307 Weeks and -4 Days.";
    }

    void sentencesForDayCounts()
    {
        QFETCH(qint64, count);
        QFETCH(QString, countInSentence);
        QFETCH(QString, breakdown);
        const QDate today(2026, 12, 5);
        const QDate first(2026, 1, 1);

        QCOMPARE(british.fromToday(QDate(2026, 12, 19), count, today),
                 "19/12/2026 is " + countInSentence + " days from 05/12/2026\r\n" + breakdown);
        QCOMPARE(british.betweenDates(first, today, count),
                 "The number of days from 01/01/2026 to 05/12/2026 is " + countInSentence + "\r\n"
                         + breakdown);
        QCOMPARE(ResultTexts::dayCountBox(count), countInSentence.trimmed());
    }

    void datesFollowTheRegionWithFourDigitYears_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_GB") << "en_GB" << QDate(1753, 1, 1) << "01/01/1753";
        QTest::newRow("en_US") << "en_US" << QDate(1753, 1, 1) << "1/1/1753";
        QTest::newRow("de_DE") << "de_DE" << QDate(1753, 1, 1) << "01.01.1753";
        QTest::newRow("ko_KR") << "ko_KR" << QDate(2026, 12, 5) << "2026. 12. 5.";
        QTest::newRow("C") << "C" << QDate(1753, 1, 1) << "1753-01-01";
    }

    void datesFollowTheRegionWithFourDigitYears()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QTEST(ResultTexts(QLocale(locale)).date(date), "text");
    }

    void onlyTwoDigitYearFieldsAreWidened_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("widened");
        QTest::newRow("month first") << "M/d/yy"
                                     << "M/d/yyyy";
        QTest::newRow("year first") << "yy. M. d."
                                    << "yyyy. M. d.";
        QTest::newRow("quoted letters") << "d 'yy' yy"
                                        << "d 'yy' yyyy";
        QTest::newRow("quoted apostrophe") << "d''yy"
                                           << "d''yyyy";
    }

    void onlyTwoDigitYearFieldsAreWidened()
    {
        QFETCH(QString, format);
        QTEST(widenTwoDigitYears(format), "widened");
    }
};

QTEST_GUILESS_MAIN(ResultTextsTest)
#include "tst_resulttexts.moc"
