// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Expands events into holidays with libical: their recurrences, edited occurrences and
// exceptions, yearly rules without an end as 400-year series.
#include "EventReader.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using Recurrence = std::unique_ptr<icalrecur_iterator, decltype(&icalrecur_iterator_free)>;

QDate dateOf(const icaltimetype &time)
{
    return QDate(time.year, time.month, time.day);
}

// The days an all-day event lasts: to its exclusive end, or for its duration; one without either.
qint64 lengthInDays(icalcomponent *event, QDate start)
{
    qint64 days = 1;
    if (icalproperty *end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY))
        days = start.daysTo(dateOf(icalproperty_get_dtend(end)));
    else if (icalproperty *duration
             = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY))
        days = icaldurationtype_as_int(icalproperty_get_duration(duration)) / (24 * 3600);
    return std::max<qint64>(days, 1);
}

// The Gregorian calendar repeats itself every 400 years (146097 days, 20871 weeks, 4800 months),
// so an open-ended rule whose period divides that cycle repeats its first 400 years for ever.
bool repeatsEveryFourHundredYears(const icalrecurrencetype &rule)
{
    if (rule.count != 0 || !icaltime_is_null_time(rule.until) || rule.interval < 1)
        return false;
    switch (rule.freq) {
    case ICAL_YEARLY_RECURRENCE:
        return 400 % rule.interval == 0;
    case ICAL_MONTHLY_RECURRENCE:
        return 4800 % rule.interval == 0;
    case ICAL_WEEKLY_RECURRENCE:
        return 20871 % rule.interval == 0;
    case ICAL_DAILY_RECURRENCE:
        return Holidays::cycleDays % rule.interval == 0;
    default:
        return false;
    }
}

QString nameOf(icalcomponent *event)
{
    const QString name = QString::fromUtf8(icalcomponent_get_summary(event)).simplified();
    // An event without a summary is still a day off.
    //: The name given to a holiday whose event has no name (SUMMARY).
    return name.isEmpty() ? EventReader::tr("Holiday") : name;
}

} // namespace

void EventReader::Version::offer(icalcomponent *other)
{
    const int otherSequence = icalcomponent_get_sequence(other);
    if (otherSequence >= sequence) // of two equal ones, the later in the file
        *this = {other, otherSequence};
}

void EventReader::gather(icalcomponent *calendar)
{
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const QString uid = QString::fromUtf8(icalcomponent_get_uid(event));
        qsizetype &place = m_byUid[uid.isEmpty() ? QString::number(m_events.size()) + u'\n' : uid];
        if (place == 0) {
            m_events.append(Versions());
            place = m_events.size();
        }
        Versions &versions = m_events[place - 1];
        const icaltimetype replaces = icalcomponent_get_recurrenceid(event);
        if (icaltime_is_null_time(replaces))
            versions.series.offer(event);
        else
            versions.edited[dateOf(replaces)].offer(event);
    }
}

EventReader::Outcome EventReader::read()
{
    if (!readAll())
        return Outcome::TooMuchWork;
    if (m_allDayEvents == 0)
        return Outcome::NoAllDayEvent;
    return m_givesDays ? Outcome::Read : Outcome::NoDayInRange;
}

QString EventReader::whyNoHoliday(icalcomponent *event)
{
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        //: Why an event gave no holiday: it was cancelled.
        return tr("cancelled");
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start))
        //: Why an event gave no holiday: it has no start date.
        return tr("no start date");
    if (!icaltime_is_date(start))
        //: Why an event gave no holiday: it starts at a time of day, not on a whole day.
        return tr("a time, not a whole day");
    return {};
}

bool EventReader::readAll()
{
    for (const Versions &versions : std::as_const(m_events)) {
        if (icalcomponent *series = versions.series.event) {
            if (const QString why = whyNoHoliday(series); !why.isEmpty()) {
                skip(series, why);
                continue; // and so are its edited occurrences
            }
            const QList<QDate> edited = versions.edited.keys();
            if (!readEvent(series, QSet<QDate>(edited.cbegin(), edited.cend())))
                return false;
        }
        for (const Version &edit : versions.edited) {
            if (icalcomponent_get_status(edit.event) == ICAL_STATUS_CANCELLED)
                continue; // the occurrence is gone, as its series says
            if (const QString why = whyNoHoliday(edit.event); !why.isEmpty())
                skip(edit.event, why);
            else if (!readEvent(edit.event, {}))
                return false;
        }
    }
    return true;
}

bool EventReader::expand(icalcomponent *event, QDate start, QList<QDate> &days, QList<QDate> &cycle)
{
    days.append(start);
    const icaltimetype first = icalcomponent_get_dtstart(event);
    for (icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        const Recurrence next(icalrecur_iterator_new(recurrence, first), icalrecur_iterator_free);
        if (!next)
            continue;
        // libical stops in the year 2582: a rule that repeats every 400 years is read for its
        // first 400, when they end before; a range that ends sooner needs less.
        const QDate cycleEnd = start.addDays(Holidays::cycleDays);
        const bool repeats = repeatsEveryFourHundredYears(recurrence) && m_range.last >= cycleEnd;
        QList<QDate> expanded;
        icaltimetype day = icalrecur_iterator_next(next.get());
        for (; !icaltime_is_null_time(day); day = icalrecur_iterator_next(next.get())) {
            const QDate date = dateOf(day);
            if ((repeats && date >= cycleEnd) || (!repeats && date > m_range.last))
                break;
            if (!take())
                return false;
            expanded.append(date);
        }
        const bool cut = !icaltime_is_null_time(day);
        if (repeats && cut)
            cycle += expanded;
        else
            days += expanded;
        // Occurrences past a narrowed range are days of the calendar all the same.
        m_givesDays |= cut && !repeats && CalendarRange::contains(dateOf(day));
    }
    for (icalproperty *date = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        if (!take())
            return false;
        days.append(dateOf(icalproperty_get_rdate(date).time));
    }
    return true;
}

bool EventReader::readEvent(icalcomponent *event, const QSet<QDate> &replaced)
{
    ++m_allDayEvents;
    const bool gaveDays = std::exchange(m_givesDays, false);
    const QDate start = dateOf(icalcomponent_get_dtstart(event));
    QList<QDate> days, cycle;
    if (!expand(event, start, days, cycle))
        return false;
    QSet<QDate> left = replaced;
    for (icalproperty *date = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        left.insert(dateOf(icalproperty_get_exdate(date)));
    const QString name = nameOf(event);
    const qint64 length = lengthInDays(event, start);
    for (const QDate occurrence : QSet<QDate>(days.cbegin(), days.cend())) {
        if (left.contains(occurrence))
            continue;
        if (!take(length - 1)) // its first day was counted as it was found
            return false;
        for (qint64 day = 0; day < length; ++day)
            addDay(occurrence.addDays(day), name);
    }
    // An occurrence of a repeating rule that was left out or edited is one day of its series:
    // the series goes on from the cycle after it, the cycles before it are single days.
    QHash<qint64, QList<QDate>> leftOutByPlace;
    for (const QDate day : left)
        leftOutByPlace[Holidays::placeInCycle(day)].append(day);
    for (const QDate occurrence : cycle) {
        QList<qint64> leftOut; // the cycles in which this occurrence was left out
        for (const QDate day : leftOutByPlace.value(Holidays::placeInCycle(occurrence))) {
            if (day >= occurrence)
                leftOut.append(occurrence.daysTo(day) / Holidays::cycleDays);
        }
        const qint64 resumes
                = leftOut.isEmpty() ? 0 : *std::max_element(leftOut.cbegin(), leftOut.cend()) + 1;
        if (!take(length * (resumes + 1) - 1))
            return false;
        for (qint64 day = 0; day < length; ++day) {
            for (qint64 each = 0; each < resumes; ++each) {
                if (!leftOut.contains(each))
                    addDay(occurrence.addDays(day + each * Holidays::cycleDays), name);
            }
            const QDate from = occurrence.addDays(day + resumes * Holidays::cycleDays);
            m_holidays.addEvery400Years(from, name);
            m_givesDays |= from <= CalendarRange::last();
        }
    }
    if (!m_givesDays)
        //: Why an event gave no holiday: its dates lie outside the calendar's range.
        skip(event, tr("outside the years 1753 to 9999"));
    m_givesDays |= gaveDays;
    return true;
}

void EventReader::skip(icalcomponent *event, const QString &why)
{
    //: A skipped event named with why. %1: the event's name; %2: why, as "cancelled".
    m_skipped << tr("%1: %2").arg(nameOf(event), why);
}

void EventReader::addDay(QDate day, const QString &name)
{
    if (!CalendarRange::contains(day))
        return;
    m_givesDays = true;
    if (m_range.contains(day))
        m_holidays.add(day, name);
}
