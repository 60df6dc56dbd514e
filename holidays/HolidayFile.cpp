// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads holidays with libical: all-day events, their recurrences expanded across the calendar's
// range, within limits on size and work.
#include "HolidayFile.h"

#include "CalendarRange.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <libical/ical.h>

#include <memory>

namespace {

using Calendar = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;
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

// libical expands recurrences only up to the year 2582. The Gregorian calendar repeats itself every
// 400 years (146097 days, 20871 weeks, 4800 months), so an open-ended rule whose period divides
// that cycle repeats its last 400 years from there to the end of the range.
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
        return 146097 % rule.interval == 0;
    default:
        return false;
    }
}

// The first days of an event's occurrences in the calendar's range, or nothing once the limit is
// passed.
std::optional<QSet<QDate>> occurrences(icalcomponent *event, icaltimetype start, qsizetype limit,
                                       const DateRange &range)
{
    QSet<QDate> starts;
    const auto take = [&](QDate day) {
        if (range.contains(day))
            starts.insert(day);
        return starts.size() <= limit;
    };
    if (!take(dateOf(start)))
        return std::nullopt;
    for (icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        const Recurrence next(icalrecur_iterator_new(recurrence, start), icalrecur_iterator_free);
        if (!next)
            continue;
        QList<QDate> expanded;
        for (icaltimetype day = icalrecur_iterator_next(next.get());
             !icaltime_is_null_time(day) && dateOf(day) <= range.last;
             day = icalrecur_iterator_next(next.get())) {
            expanded.append(dateOf(day));
            if (!take(expanded.last()))
                return std::nullopt;
        }
        const QDate stopped = expanded.isEmpty() ? QDate() : expanded.last();
        if (!repeatsEveryFourHundredYears(recurrence) || stopped.addYears(-400) < dateOf(start))
            continue;
        for (int cycles = 1; stopped.addYears(400 * (cycles - 1)) < range.last; ++cycles) {
            for (QDate day : expanded) {
                if (day > stopped.addYears(-400) && !take(day.addYears(400 * cycles)))
                    return std::nullopt;
            }
        }
    }
    for (icalproperty *date = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        if (!take(dateOf(icalproperty_get_rdate(date).time)))
            return std::nullopt;
    }
    for (icalproperty *date = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); date;
         date = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        starts.remove(dateOf(icalproperty_get_exdate(date)));
    return starts;
}

} // namespace

HolidayFile HolidayFile::refused(const QString &reason)
{
    HolidayFile file;
    file.m_refusal = reason;
    return file;
}

HolidayFile HolidayFile::fromFile(const QString &path, const DateRange &range)
{
    const std::variant<QByteArray, QString> text = readText(path);
    if (const auto *why = std::get_if<QString>(&text))
        return refused(*why);
    return fromText(std::get<QByteArray>(text), range);
}

std::variant<QByteArray, QString> HolidayFile::readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("it cannot be read (%1)").arg(file.errorString());
    return file.read(maximumBytes + 1);
}

HolidayFile HolidayFile::fromText(const QByteArray &text, const DateRange &range)
{
    if (text.size() > maximumBytes)
        return refused(tr("it is larger than 10 MB"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(text);
    if (utf8.hasError() || text.contains('\0'))
        return refused(tr("it is not UTF-8 text"));
    const QString trimmed = decoded.trimmed();
    if (trimmed.startsWith(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive)
        && !trimmed.endsWith(QLatin1String("END:VCALENDAR"), Qt::CaseInsensitive))
        return refused(tr("it is cut short: it does not end with END:VCALENDAR"));
    const Calendar calendar(icalparser_parse_string(text.constData()), icalcomponent_free);
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
        return refused(tr("it is not an iCalendar file"));

    HolidayFile file;
    qsizetype days = 0;
    int allDayEvents = 0; // whether or not they fall in the range
    for (icalcomponent *event
         = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start) || !icaltime_is_date(start)
            || icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) {
            ++file.m_skippedEvents;
            continue;
        }
        ++allDayEvents;
        const QDate first = dateOf(start);
        const qint64 length = lengthInDays(event, first);
        const std::optional<QSet<QDate>> starts
                = occurrences(event, start, maximumDays - days, range);
        if (!starts || days + starts->size() * length > maximumDays)
            return refused(tr("its events give more than 100,000 holiday days"));
        QString name = QString::fromUtf8(icalcomponent_get_summary(event)).trimmed();
        if (name.isEmpty())
            name = tr("Holiday"); // an event without a summary is still a day off
        for (const QDate occurrence : *starts) {
            for (qint64 day = 0; day < length; ++day) {
                if (range.contains(occurrence.addDays(day)))
                    file.m_holidays.add(occurrence.addDays(day), name);
            }
        }
        days += starts->size() * length;
    }
    if (allDayEvents == 0)
        return refused(tr("it holds no all-day event"));
    return file;
}
