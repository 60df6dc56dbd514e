// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The holidays that the events of iCalendar calendars give.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <libical/ical.h>

// All-day events as holidays. An event's versions are gathered by UID: the series (the event
// without a RECURRENCE-ID) and the occurrences edited since, which replace the series' ones, each
// the version of the highest SEQUENCE. Recurrences are expanded within a limit on work; an event
// that gives no holiday is named with the reason.
class EventReader
{
    Q_DECLARE_TR_FUNCTIONS(EventReader)

public:
    // limit: the expanded occurrences and days the events may make the program work through.
    EventReader(const DateRange &range, qint64 limit)
        : m_range(range)
        , m_limit(limit)
    { }

    // Gathers a calendar's events, in the order of the file.
    void gather(icalcomponent *calendar);

    enum class Outcome { Read, TooMuchWork, NoAllDayEvent, NoDayInRange };
    Outcome read();

    const Holidays &holidays() const { return m_holidays; }
    // The events that gave no holiday: "Half term: a time, not a whole day".
    const QStringList &skipped() const { return m_skipped; }

private:
    struct Version
    {
        icalcomponent *event = nullptr;
        int sequence = -1;

        void offer(icalcomponent *other);
    };
    struct Versions
    {
        Version series;
        QMap<QDate, Version> edited; // by the day of the occurrence they replace
    };

    // False once the events give more days than the limit.
    bool readAll();
    bool readEvent(icalcomponent *event, const QSet<QDate> &replaced);
    // Why an event gives no holiday; empty for an all-day event.
    static QString whyNoHoliday(icalcomponent *event);
    // The occurrences' first days; those of rules that repeat every 400 years go to cycle.
    bool expand(icalcomponent *event, QDate start, QList<QDate> &days, QList<QDate> &cycle);
    bool take(qint64 days = 1) { return (m_work += days) <= m_limit; }
    void addDay(QDate day, const QString &name);
    // Names an event that gives no holiday, with the reason.
    void skip(icalcomponent *event, const QString &why);

    const DateRange m_range;
    const qint64 m_limit;
    QList<Versions> m_events;
    QHash<QString, qsizetype> m_byUid; // 1 + the place of the event's versions in m_events
    Holidays m_holidays;
    QStringList m_skipped;
    // Expanded occurrences and their days, against the limit.
    qint64 m_work = 0;
    bool m_givesDays = false;
    int m_allDayEvents = 0;
};
