// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolidayFile.h"
#include "HolidayStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

namespace {

QByteArray calendar(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events
            + "END:VCALENDAR\r\n";
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\nUID:" + QByteArray::number(qHash(lines)) + "\r\n" + lines
            + "\r\nEND:VEVENT\r\n";
}

QString refusalOf(const std::variant<HolidayStore::Imported, QString> &result)
{
    return std::holds_alternative<QString>(result) ? std::get<QString>(result) : QString();
}

} // namespace

class HolidayFileTest : public QObject
{
    Q_OBJECT

private slots:
    // Days worked out by hand from each event's dates and recurrences.
    void allDayEventsGiveTheirDays_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QList<QDate>>("days");
        QTest::newRow("fixed date, yearly")
                << QByteArray("DTSTART;VALUE=DATE:20251225\r\nRRULE:FREQ=YEARLY;COUNT=3")
                << QList<QDate> {{2025, 12, 25}, {2026, 12, 25}, {2027, 12, 25}};
        QTest::newRow("movable, as dates")
                << QByteArray("DTSTART;VALUE=DATE:20260406\r\nRDATE;VALUE=DATE:20270329,20280417")
                << QList<QDate> {{2026, 4, 6}, {2027, 3, 29}, {2028, 4, 17}};
        QTest::newRow("one year left out")
                << QByteArray("DTSTART;VALUE=DATE:20250101\r\nRRULE:FREQ=YEARLY;UNTIL=20270101\r\n"
                              "EXDATE;VALUE=DATE:20260101")
                << QList<QDate> {{2025, 1, 1}, {2027, 1, 1}};
        QTest::newRow("three days, end exclusive")
                << QByteArray("DTSTART;VALUE=DATE:20261224\r\nDTEND;VALUE=DATE:20261227")
                << QList<QDate> {{2026, 12, 24}, {2026, 12, 25}, {2026, 12, 26}};
        QTest::newRow("two days' duration")
                << QByteArray("DTSTART;VALUE=DATE:20260501\r\nDURATION:P2D")
                << QList<QDate> {{2026, 5, 1}, {2026, 5, 2}};
        QTest::newRow("at the range's end")
                << QByteArray("DTSTART;VALUE=DATE:99991231\r\nDURATION:P3D")
                << QList<QDate> {{9999, 12, 31}};
    }

    void allDayEventsGiveTheirDays()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QList<QDate>, days);
        const HolidayFile file = HolidayFile::fromText(calendar(vevent(lines + "\r\nSUMMARY:Day")));
        QVERIFY2(!file.isRefused(), qPrintable(file.refusal()));
        QCOMPARE(file.holidays().dayCount(), days.size());
        for (QDate day : days)
            QCOMPARE(file.holidays().names(day), QStringList {"Day"});
    }

    // An open-ended rule goes on to the range's end, past the year 2582 where libical stops.
    void anOpenEndedRuleRunsToTheRangesEnd()
    {
        const HolidayFile file = HolidayFile::fromText(calendar(
                vevent("DTSTART;VALUE=DATE:17530528\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO\r\n"
                       "SUMMARY:Spring bank holiday")));
        QCOMPARE(file.holidays().dayCount(), 9999 - 1753 + 1);
        for (QDate day : {QDate(2600, 5, 26), QDate(9999, 5, 31)})
            QCOMPARE(file.holidays().names(day), QStringList {"Spring bank holiday"});
    }

    // Timed and cancelled events are no holidays; a day two events give counts once.
    void timedAndCancelledEventsAreSkipped()
    {
        const HolidayFile file = HolidayFile::fromText(calendar(
                vevent("DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas Day")
                + vevent("DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas Day\r\nDESCRIPTION:x")
                + vevent("DTSTART:20261225T100000Z\r\nSUMMARY:Carols")
                + vevent("DTSTART;VALUE=DATE:20261226\r\nSTATUS:CANCELLED\r\nSUMMARY:Boxing Day")));
        QCOMPARE(file.holidays().dayCount(), 1);
        QCOMPARE(file.holidays().names({2026, 12, 25}), QStringList {"Christmas Day"});
        QCOMPARE(file.skippedEvents(), 2);
        const HolidayFile later = HolidayFile::fromText( // read for a span without its holidays
                calendar(vevent("DTSTART;VALUE=DATE:20261225")), {{2030, 1, 1}, {2030, 12, 31}});
        QVERIFY(!later.isRefused() && later.holidays().isEmpty());
    }

    void badFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const QByteArray christmas = vevent("DTSTART;VALUE=DATE:20261225\r\nSUMMARY:Christmas");
        QTest::newRow("not iCalendar") << QByteArray("Hello") << "it is not an iCalendar file";
        QTest::newRow("truncated") << calendar(christmas).chopped(20)
                                   << "it is cut short: it does not end with END:VCALENDAR";
        QTest::newRow("not UTF-8")
                << calendar(christmas).replace("Christmas", "No\xebl") << "it is not UTF-8 text";
        QTest::newRow("no all-day event")
                << calendar(vevent("DTSTART:20261225T100000Z")) << "it holds no all-day event";
        QTest::newRow("over 10 MB")
                << QByteArray(HolidayFile::maximumBytes + 1, ' ') << "it is larger than 10 MB";
        QTest::newRow("every day for ever")
                << calendar(vevent("DTSTART;VALUE=DATE:20260101\r\nRRULE:FREQ=DAILY"))
                << "its events give more than 100,000 holiday days";
    }

    void badFilesAreRefused()
    {
        QFETCH(QByteArray, text);
        const HolidayFile file = HolidayFile::fromText(text);
        QTEST(file.refusal(), "reason");
        QVERIFY(file.holidays().isEmpty());
    }

    // Copies are kept and listed as their files, a shared day naming their holidays in that order;
    // decades of a country's holidays (1,500 events, some 190 KB) lie well within the limits on
    // size and work, an event without a summary is a holiday all the same; a refused file, or a
    // copy that fails half-way (here at the process's limit on file sizes), changes nothing; one
    // that can no longer be read is skipped, named and kept.
    void theStoreKeepsCopies()
    {
        const QTemporaryDir originals, data;
        const HolidayStore store(data.filePath("holidays"));
        const QString national = originals.filePath("national.ics");
        const QString regional = originals.filePath("national-east.ics");
        const QByteArray nameless = calendar(vevent("DTSTART;VALUE=DATE:20261225"));
        write(national, nameless);
        QByteArray decades;
        for (int i = 0; i < 1500; ++i) {
            const QByteArray day
                    = QDate(2026, 12, 25).addDays(i * 9).toString("yyyyMMdd").toLatin1();
            decades += vevent("DTSTAMP:20251201T090000Z\r\nDTSTART;VALUE=DATE:" + day
                              + "\r\nDURATION:P1D\r\nSUMMARY:Day " + QByteArray::number(i));
        }
        write(regional, calendar(decades));
        QVERIFY(refusalOf(store.import(national)).isEmpty());
        QVERIFY(refusalOf(store.import(regional)).isEmpty());
        write(national, calendar(vevent("DTSTART;VALUE=DATE:20270101").repeated(20)));
        rlimit limit {};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small {1024, limit.rlim_max}; // below the new file, and Qt's write buffer
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails rather than ending the test
        setrlimit(RLIMIT_FSIZE, &small);
        const QString why = refusalOf(store.import(national));
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(why,
                 data.filePath("holidays/national.ics")
                         + " cannot be written: " + qt_error_string(EFBIG));
        QFile::remove(national);
        write(regional, "Not a calendar");
        QCOMPARE(refusalOf(store.import(regional)), "it is not an iCalendar file");
        QFile copy(data.filePath("holidays/national.ics"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), nameless);
        HolidayStore::Loaded loaded = store.load();
        QCOMPARE(store.names(), QStringList({"national-east", "national"}));
        QCOMPARE(store.merged(loaded.calendars).dayCount(), 1500);
        QCOMPARE(store.merged(loaded.calendars).names({2026, 12, 25}),
                 QStringList({"Day 0", "Holiday"}));
        write(data.filePath("holidays/national.ics"), "damaged");
        loaded = store.load();
        QCOMPARE(loaded.skipped.size(), 1);
        QCOMPARE(loaded.skipped[0].name, "national");
        QCOMPARE(loaded.skipped[0].reason, "it is not an iCalendar file");
        QCOMPARE(store.merged(loaded.calendars).dayCount(), 1500);
        QVERIFY(refusalOf(store.import("/no/such.ics")).startsWith("it cannot be read"));
        QVERIFY(store.remove("national-east") && !store.remove("national-east"));
        QCOMPARE(store.names(), QStringList {"national"});
    }

    // What cannot be kept, for its name or for the folder, is refused with the reason, naming the
    // folder and what is in its way.
    void whatCannotBeKeptSaysWhy_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("reason"); // %1: the data folder, which holds a file "plain"
        QTest::newRow("a file above the folder") << "national.ics"
                                                 << "the folder %1/plain/holidays cannot be made: "
                                                    "%1/plain is a file, not a folder";
        QTest::newRow("no name") << ".ics"
                                 << "its name leaves the calendar nameless: rename it, as "
                                    "national.ics";
        QTest::newRow("a hidden name")
                << ".national.ics"
                << "its name begins with a dot, which would hide the calendar: rename it";
        QTest::newRow("a line break") << "nat\nional.ics"
                                      << "its name holds a control character: rename it";
    }

    void whatCannotBeKeptSaysWhy()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, reason);
        const QTemporaryDir originals, data;
        write(data.filePath("plain"), "");
        write(originals.filePath(fileName), calendar(vevent("DTSTART;VALUE=DATE:20261225")));
        QCOMPARE(refusalOf(HolidayStore(data.filePath("plain/holidays"))
                                   .import(originals.filePath(fileName))),
                 reason.replace("%1", data.path()));
    }
};

QTEST_GUILESS_MAIN(HolidayFileTest)
#include "tst_holidayfile.moc"
