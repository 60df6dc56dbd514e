// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"
#include "CommandLine.h"
#include "DayContext.h"
#include "FakeControls.h"
#include "HolidayStore.h"

#include <QTemporaryDir>
#include <QTest>

// Holiday files in the shapes exporters write them (calendars/), imported into a store and
// counted over a span by the window's calculator and by the command line, which reads the store
// for the span alone. The counts were worked out by hand from the holidays each file means.
class RealCalendarsTest : public QObject
{
    Q_OBJECT

private slots:
    void bothCountTheSpanAsTheCalendarMeansIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("counted"); // the end of the span's summary
        const auto row = [](const char *file, const char *region, const char *from, const char *to,
                            const char *counted) {
            QTest::addRow("%s %s %s %s", file, region, from, to)
                    << file << region << from << to << counted;
        };
        // Open-ended yearly rules past libical's last year (2582), Easter as RDATE lists; an
        // occurrence moved (2022) and one cancelled (2026), their series going on 400 years later.
        row("uk-holidays", "en_GB", "2026-12-19", "2027-01-06", "10 working days (3 holidays)");
        row("uk-holidays", "en_GB", "2026-03-30", "2026-04-10", "7 working days (2 holidays)");
        row("uk-holidays", "en_GB", "2022-05-27", "2022-06-10", "8 working days (2 holidays)");
        row("uk-holidays", "en_GB", "2026-08-24", "2026-09-04", "9 working days");
        row("uk-holidays", "en_GB", "2422-05-20", "2422-06-10", "14 working days (1 holiday)");
        row("uk-holidays", "en_GB", "2426-08-20", "2426-09-04", "10 working days (1 holiday)");
        row("uk-holidays", "en_GB", "2600-04-01", "2600-06-30", "62 working days (2 holidays)");
        row("uk-holidays", "he_IL", "2600-12-25", "2601-01-10", "9 working days (1 holiday)");
        // One event a holiday a year, escaped texts, umlauts and Japanese.
        row("bayern", "en_GB", "2026-05-10", "2026-06-10", "20 working days (3 holidays)");
        row("japan", "en_GB", "2026-04-25", "2026-05-10", "6 working days (4 holidays)");
        // Schools: breaks across months and years, timed and cancelled events, a time given
        // as a day (24 October 2025); the second file has LF line ends.
        row("westshire", "en_GB", "2026-08-15", "2026-09-15", "10 working days (12 holidays)");
        row("westshire", "en_GB", "2025-10-20", "2025-11-03", "4 working days (6 holidays)");
        row("riverside", "en_GB", "2025-12-23", "2026-02-28", "37 working days (11 holidays)");
        // Two calendars joined by cat, their days overlapping.
        row("ireland-office", "en_GB", "2026-12-20", "2027-01-08", "8 working days (7 holidays)");
        // Two exports that each start with a byte order mark, joined by cat.
        row("singapore-office", "en_GB", "2026-02-14", "2026-02-28", "7 working days (3 holidays)");
        row("singapore-office", "en_GB", "2026-12-20", "2027-01-04", "6 working days (5 holidays)");
        // DURATION for DTEND; weekday rules within days of the month.
        row("sverige", "en_IN", "2600-06-15", "2600-11-10", "124 working days (3 holidays)");
        // EXDATE on yearly rules without an end, one of them every other year.
        row("us-company", "en_GB", "2026-10-01", "2026-11-30", "39 working days (3 holidays)");
        row("us-company", "en_GB", "9998-12-31", "9999-12-31", "252 working days (9 holidays)");
        // Sunday to Thursday, in Hebrew; Monday to Saturday, from a file that starts with a BOM.
        row("israel", "he_IL", "2026-09-01", "2026-10-10", "25 working days (2 holidays)");
        row("india-office", "en_IN", "2026-08-01", "2026-08-31", "24 working days (1 holiday)");
        // Folded every 75 octets, some lines inside a character, as the standard allows.
        row("polska", "en_GB", "2026-04-01", "2026-04-30", "20 working days (1 holiday)");
    }
    void bothCountTheSpanAsTheCalendarMeansIt()
    {
        QFETCH(QString, file);
        QFETCH(QString, region);
        QFETCH(QString, from);
        QFETCH(QString, to);
        const QTemporaryDir data;
        const HolidayStore store(data.filePath("holidays"));
        const auto imported = store.import(QStringLiteral(CALENDARS "/%1.ics").arg(file));
        if (const auto *refusal = std::get_if<QString>(&imported))
            QFAIL(qPrintable(*refusal));
        // The span runs from today, as the window's first pick counts it.
        const QDate today = QDate::fromString(from, Qt::ISODate);
        DayContext context([today] { return today; }, RegionalSettings::of(QLocale(region)));
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        const CommandLine line = CommandLine::parse({"daywright", "--between", from, to});
        QCOMPARE(line.command->answer({line, context, store, outStream, errorStream}), 0);
        QCOMPARE(errors, QString());
        // As the window reads the store once it is shown.
        context.setHolidays(store.merged(store.load().calendars));
        FakeControls controls;
        Calculator calculator(controls, context);
        calculator.start();
        calculator.datePicked(QDate::fromString(to, Qt::ISODate));
        QTEST(controls.spanSummary.section(QStringLiteral(", "), -1), "counted");
        QCOMPARE(out.section(u'\n', 2, 2), controls.spanSummary);
    }
};

QTEST_GUILESS_MAIN(RealCalendarsTest)
#include "tst_realcalendars.moc"
