// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolidayFile.h"
#include "HolidayStore.h"
#include "HolidayTexts.h"

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

QByteArray vevent(const QByteArray &lines, const QByteArray &uid = {})
{
    return "BEGIN:VEVENT\r\nUID:" + (uid.isEmpty() ? QByteArray::number(qHash(lines)) : uid)
            + "\r\n" + lines + "\r\nEND:VEVENT\r\n";
}

// A holiday called Day.
QByteArray day(const QByteArray &lines, const QByteArray &uid = {})
{
    return vevent(lines + "\r\nSUMMARY:Day", uid);
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
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QList<QDate>>("days");
        QTest::newRow("fixed date, yearly")
                << day("DTSTART;VALUE=DATE:20251225\r\nRRULE:FREQ=YEARLY;COUNT=3")
                << QList<QDate> {{2025, 12, 25}, {2026, 12, 25}, {2027, 12, 25}};
        QTest::newRow("at the range's end") << day("DTSTART;VALUE=DATE:99991231\r\nDURATION:P3D")
                                            << QList<QDate> {{9999, 12, 31}};
        // As a school's generator writes a week's break.
        QTest::newRow("a time written as a day")
                << day("DTSTART;VALUE=DATE:20251024T140000Z\r\nDTEND;VALUE=DATE:20251027T000000")
                << QList<QDate> {{2025, 10, 24}, {2025, 10, 25}, {2025, 10, 26}};
        // Of an occurrence's edits, the highest SEQUENCE replaces it, wherever it stands.
        const QByteArray mayDay
                = day("DTSTART;VALUE=DATE:20260501\r\nRRULE:FREQ=YEARLY;COUNT=3", "may");
        const auto moved = [](const QByteArray &to, const QByteArray &sequence) {
            return day("RECURRENCE-ID;VALUE=DATE:20260501\r\nDTSTART;VALUE=DATE:" + to
                               + "\r\nSEQUENCE:" + sequence,
                       "may");
        };
        QTest::newRow("moved three times")
                << moved("20260505", "1") + moved("20260506", "3") + moved("20260507", "2") + mayDay
                << QList<QDate> {{2026, 5, 6}, {2027, 5, 1}, {2028, 5, 1}};
    }
    void allDayEventsGiveTheirDays()
    {
        QFETCH(QByteArray, events);
        QFETCH(QList<QDate>, days);
        const HolidayFile file = HolidayFile::fromText(calendar(events));
        QVERIFY2(!file.isRefused(), qPrintable(file.refusal()));
        QCOMPARE(file.skipped(), QStringList());
        QCOMPARE(file.holidays().dayCount(), days.size());
        for (QDate day : days)
            QCOMPARE(file.holidays().names(day), QStringList {"Day"});
    }

    // Calendars of yearly rules without an end, as mail programs publish them, go on to the
    // range's end, past the year 2582 where libical stops; a moved occurrence leaves the rest.
    void openEndedRulesRunToTheRangesEnd()
    {
        QByteArray events
                = day("DTSTART;VALUE=DATE:17530528\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO",
                      "spring")
                + day("RECURRENCE-ID;VALUE=DATE:20260525\r\nDTSTART;VALUE=DATE:20260601", "spring")
                + day("DTSTART;VALUE=DATE:20260525"); // another holiday on the day it moved from
        for (int month = 1; month <= 12; ++month) {
            for (int first = 1; first <= 17; ++first)
                events += vevent(QDate(2000, month, first)
                                         .toString("'DTSTART;VALUE=DATE:'yyyyMMdd")
                                         .toLatin1()
                                 + "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Fixed"
                                 + (month + first == 2 ? "\r\nEXDATE;VALUE=DATE:24000101" : ""));
        }
        const HolidayFile file = HolidayFile::fromText(calendar(events));
        QVERIFY2(!file.isRefused(), qPrintable(file.refusal()));
        // A spring day in each year, 204 fixed days in each year from 2000 but 1 January 2400 (left
        // out 400 years on); 1 June 2026 has both, 25 May 2026 another.
        QCOMPARE(file.holidays().dayCount(), (9999 - 1753 + 1) + 204 * (9999 - 2000 + 1) - 1);
        QCOMPARE(file.holidays().names({2026, 6, 1}), QStringList({"Day", "Fixed"}));
        QCOMPARE(file.holidays().names({9999, 12, 17}), QStringList {"Fixed"});
        QCOMPARE(file.holidays().names({2400, 1, 1}), QStringList());
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
        QCOMPARE(file.skipped(),
                 QStringList({"Carols: a time, not a whole day", "Boxing Day: cancelled"}));
    }

    // An import names what it skipped, the first three of many.
    void anImportNamesWhatItSkipped()
    {
        const QStringList skipped {"A: cancelled", "B: late", "C: early", "D: x", "E: y"};
        QCOMPARE(HolidayTexts::imported("school", 3, skipped.first(1)),
                 "school: 3 holiday days, 1 event skipped (A: cancelled)");
        QCOMPARE(HolidayTexts::imported("school", 3, skipped),
                 "school: 3 holiday days, 5 events skipped (A: cancelled; B: late; C: early; and 2 "
                 "more)");
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
        QTest::newRow("every day for 830 years")
                << calendar(
                           vevent("DTSTART;VALUE=DATE:17530101\r\nRRULE:FREQ=DAILY;UNTIL=25821231"))
                << "its events give more than 250,000 holiday days";
        QTest::newRow("before the range")
                << calendar(day("DTSTART;VALUE=DATE:17000101") + day("DTSTART;VALUE=DATE:17521231")
                            + day("DTSTART;VALUE=DATE:00000101"))
                << "it holds no holiday between 1753 and 9999";
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

    // A day that only names left out make is no holiday, whether one day or a 400-year series
    // makes it (to 9999: 20 days); one that a counted name shares stays, named by it alone.
    void namesLeftOutGiveNoDays_data()
    {
        QTest::addColumn<QStringList>("leftOut");
        QTest::addColumn<QStringList>("names"); // on 25 December 2026 and 2426
        QTest::addColumn<int>("days");
        QTest::newRow("none") << QStringList() << QStringList {"Day|Series", "Series"} << 20;
        QTest::newRow("the day's") << QStringList {"Day"} << QStringList {"Series", "Series"} << 20;
        QTest::newRow("the series'") << QStringList {"Series"} << QStringList {"Day", ""} << 1;
        QTest::newRow("both") << QStringList {"Series", "Day"} << QStringList {"", ""} << 0;
    }
    void namesLeftOutGiveNoDays()
    {
        QFETCH(QStringList, leftOut);
        Holidays holidays;
        holidays.add({2026, 12, 25}, "Day");
        holidays.addEvery400Years({2026, 12, 25}, "Series");
        const Holidays counted = holidays.without({leftOut.cbegin(), leftOut.cend()});
        QTEST(QStringList({counted.names({2026, 12, 25}).join(u'|'),
                           counted.names({2426, 12, 25}).join(u'|')}),
              "names");
        QTEST(int(counted.dayCount()), "days");
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
