// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads holidays with libical: all-day events, their recurrences and their edited occurrences
// expanded across the calendar's range, within limits on size and work.
#include "HolidayFile.h"

#include "CalendarRange.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <libical/ical.h>

#include <memory>

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;
using Recurrence = std::unique_ptr<icalrecur_iterator, decltype(&icalrecur_iterator_free)>;

QDate dateOf(const icaltimetype &time)
{
    return QDate(time.year, time.month, time.day);
}

// A day's place in the Gregorian calendar's 400-year cycle.
qint64 placeOf(QDate day)
{
    return (day.toJulianDay() % Holidays::cycleDays + Holidays::cycleDays) % Holidays::cycleDays;
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

// Some generators write a time under VALUE=DATE ("DTSTART;VALUE=DATE:20251024T140000Z"); libical
// would then read a timed event. The value names a day: keep the day.
QString withDaysAsDays(const QString &text)
{
    static const QRegularExpression dayValued(
            QStringLiteral("^((?:DTSTART|DTEND|RECURRENCE-ID|EXDATE|RDATE)(?:;[^:\\r\\n]*)?"
                           ";VALUE=DATE(?=[;:])[^:\\r\\n]*:)([^\\r\\n]*)"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    static const QRegularExpression timeOfDay(QStringLiteral("(\\d{8})T\\d{6}Z?"));
    QString fixed;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &line : dayValued.globalMatch(text)) {
        fixed += QStringView(text).sliced(copied, line.capturedStart(2) - copied);
        fixed += line.captured(2).replace(timeOfDay, QStringLiteral("\\1"));
        copied = line.capturedEnd(2);
    }
    if (copied == 0)
        return text;
    fixed += QStringView(text).sliced(copied);
    return fixed;
}

// Long lines are folded every 75 bytes, which may fall inside a character, so they are joined
// before the text is decoded; and exports joined with cat bring each its byte order mark, which
// would hide a BEGIN:VCALENDAR from libical.
QByteArray unfolded(QByteArray text)
{
    return text.replace("\r\n ", "")
            .replace("\r\n\t", "")
            .replace("\n ", "")
            .replace("\n\t", "")
            .replace("\xEF\xBB\xBF", "");
}

QString nameOf(icalcomponent *event)
{
    const QString name = QString::fromUtf8(icalcomponent_get_summary(event)).simplified();
    // An event without a summary is still a day off.
    return name.isEmpty() ? HolidayFile::tr("Holiday") : name;
}

// An event's versions: the series (the event without a RECURRENCE-ID) and the occurrences edited
// since, each the version of the highest SEQUENCE.
struct EventVersions
{
    struct Version
    {
        icalcomponent *event = nullptr;
        int sequence = -1;

        void offer(icalcomponent *other)
        {
            const int otherSequence = icalcomponent_get_sequence(other);
            if (otherSequence >= sequence) // of two equal ones, the later in the file
                *this = {other, otherSequence};
        }
    };
    Version series;
    QMap<QDate, Version> edited; // by the day of the occurrence they replace
};

} // namespace

// Reads one file's events into holidays, counting its work against the limit.
class HolidayFile::Reader
{
public:
    Reader(HolidayFile &file, const DateRange &range)
        : m_file(file)
        , m_range(range)
    { }

    // False once the events give more days than the limit.
    bool read(const QList<EventVersions> &events);
    bool givesDays() const { return m_givesDays; }
    int allDayEvents() const { return m_allDayEvents; }

private:
    bool readEvent(icalcomponent *event, const QSet<QDate> &replaced);
    // Why an event gives no holiday; empty for an all-day event.
    static QString whyNoHoliday(icalcomponent *event);
    // The occurrences' first days; those of rules that repeat every 400 years go to cycle.
    bool expand(icalcomponent *event, QDate start, QList<QDate> &days, QList<QDate> &cycle);
    bool take(qint64 days = 1) { return (m_work += days) <= HolidayFile::maximumDays; }
    void addDay(QDate day, const QString &name);

    HolidayFile &m_file;
    const DateRange m_range;
    // Expanded occurrences and their days, against the limit.
    qint64 m_work = 0;
    bool m_givesDays = false;
    int m_allDayEvents = 0;
};

QString HolidayFile::Reader::whyNoHoliday(icalcomponent *event)
{
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        return HolidayFile::tr("cancelled");
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start))
        return HolidayFile::tr("no start date");
    if (!icaltime_is_date(start))
        return HolidayFile::tr("a time, not a whole day");
    return {};
}

bool HolidayFile::Reader::read(const QList<EventVersions> &events)
{
    for (const EventVersions &versions : events) {
        if (icalcomponent *series = versions.series.event) {
            if (const QString why = whyNoHoliday(series); !why.isEmpty()) {
                m_file.m_skipped << tr("%1: %2").arg(nameOf(series), why);
                continue; // and so are its edited occurrences
            }
            const QList<QDate> edited = versions.edited.keys();
            if (!readEvent(series, QSet<QDate>(edited.cbegin(), edited.cend())))
                return false;
        }
        for (const EventVersions::Version &edit : versions.edited) {
            if (icalcomponent_get_status(edit.event) == ICAL_STATUS_CANCELLED)
                continue; // the occurrence is gone, as its series says
            if (const QString why = whyNoHoliday(edit.event); !why.isEmpty())
                m_file.m_skipped << tr("%1: %2").arg(nameOf(edit.event), why);
            else if (!readEvent(edit.event, {}))
                return false;
        }
    }
    return true;
}

bool HolidayFile::Reader::expand(icalcomponent *event, QDate start, QList<QDate> &days,
                                 QList<QDate> &cycle)
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

bool HolidayFile::Reader::readEvent(icalcomponent *event, const QSet<QDate> &replaced)
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
        leftOutByPlace[placeOf(day)].append(day);
    for (const QDate occurrence : cycle) {
        QList<qint64> leftOut; // the cycles in which this occurrence was left out
        for (const QDate day : leftOutByPlace.value(placeOf(occurrence))) {
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
            m_file.m_holidays.addEvery400Years(from, name);
            m_givesDays |= from <= CalendarRange::last();
        }
    }
    if (!m_givesDays)
        m_file.m_skipped << tr("%1: %2").arg(name, tr("outside the years 1753 to 9999"));
    m_givesDays |= gaveDays;
    return true;
}

void HolidayFile::Reader::addDay(QDate day, const QString &name)
{
    if (!CalendarRange::contains(day))
        return;
    m_givesDays = true;
    if (m_range.contains(day))
        m_file.m_holidays.add(day, name);
}

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
    const QString decoded = utf8(unfolded(text));
    if (utf8.hasError() || text.contains('\0'))
        return refused(tr("it is not UTF-8 text"));
    const QString trimmed = decoded.trimmed();
    if (trimmed.startsWith(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive)
        && !trimmed.endsWith(QLatin1String("END:VCALENDAR"), Qt::CaseInsensitive))
        return refused(tr("it is cut short: it does not end with END:VCALENDAR"));
    const Component parsed(icalparser_parse_string(withDaysAsDays(decoded).toUtf8().constData()),
                           icalcomponent_free);
    // Calendars joined into one file are read as one.
    QList<icalcomponent *> calendars;
    if (parsed && icalcomponent_isa(parsed.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *each
             = icalcomponent_get_first_component(parsed.get(), ICAL_VCALENDAR_COMPONENT);
             each; each = icalcomponent_get_next_component(parsed.get(), ICAL_VCALENDAR_COMPONENT))
            calendars << each;
    } else if (parsed && icalcomponent_isa(parsed.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars << parsed.get();
    }
    if (calendars.isEmpty())
        return refused(tr("it is not an iCalendar file"));

    QList<EventVersions> events; // in the order of the file
    QHash<QString, qsizetype> byUid;
    for (icalcomponent *calendar : calendars) {
        for (icalcomponent *event
             = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            const QString uid = QString::fromUtf8(icalcomponent_get_uid(event));
            qsizetype &index = byUid[uid.isEmpty() ? QString::number(events.size()) + u'\n' : uid];
            if (index == 0) {
                events.append(EventVersions());
                index = events.size();
            }
            EventVersions &versions = events[index - 1];
            const icaltimetype replaces = icalcomponent_get_recurrenceid(event);
            if (icaltime_is_null_time(replaces))
                versions.series.offer(event);
            else
                versions.edited[dateOf(replaces)].offer(event);
        }
    }
    HolidayFile file;
    Reader reader(file, range);
    if (!reader.read(events))
        return refused(tr("its events give more than 250,000 holiday days"));
    if (reader.allDayEvents() == 0)
        return refused(tr("it holds no all-day event"));
    if (!reader.givesDays())
        return refused(tr("it holds no holiday between 1753 and 9999"));
    return file;
}
