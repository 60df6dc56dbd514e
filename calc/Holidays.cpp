// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays merged by day, and counted over a span.
#include "Holidays.h"

#include "CalendarRange.h"

namespace {

// How many days of a place's series, begun on from, lie in [first, last].
qint64 seriesDaysWithin(QDate from, QDate first, QDate last)
{
    first = std::max(first, from);
    if (last < first)
        return 0;
    // Days of the series are from + k cycles: count the k that land in [first, last].
    const qint64 low = (from.daysTo(first) + Holidays::cycleDays - 1) / Holidays::cycleDays;
    const qint64 high = from.daysTo(last) / Holidays::cycleDays;
    return std::max<qint64>(high - low + 1, 0);
}

} // namespace

qint64 Holidays::placeInCycle(QDate day)
{
    const qint64 place = day.toJulianDay() % cycleDays;
    return place < 0 ? place + cycleDays : place;
}

void Holidays::add(QDate day, const QString &name)
{
    if (!CalendarRange::contains(day))
        return;
    QStringList &names = m_days[day];
    if (!names.contains(name))
        names.append(name);
}

void Holidays::addEvery400Years(QDate from, const QString &name)
{
    if (!from.isValid() || from > CalendarRange::last())
        return;
    QList<Series> &series = m_series[placeInCycle(from)];
    const Series added {from, name};
    if (series.contains(added))
        return;
    const auto later = std::find_if(series.begin(), series.end(),
                                    [from](const Series &each) { return each.from > from; });
    series.insert(later, added);
}

void Holidays::merge(const Holidays &other)
{
    if (isEmpty()) {
        *this = other; // shared, not copied: one calendar's holidays take their room once
        return;
    }
    for (auto day = other.m_days.cbegin(); day != other.m_days.cend(); ++day) {
        for (const QString &name : day.value())
            add(day.key(), name);
    }
    for (const QList<Series> &series : other.m_series) {
        for (const Series &each : series)
            addEvery400Years(each.from, each.name);
    }
}

Holidays Holidays::without(const QSet<QString> &names) const
{
    if (names.isEmpty())
        return *this; // shared, not copied
    Holidays kept;
    for (auto day = m_days.cbegin(); day != m_days.cend(); ++day) {
        for (const QString &name : day.value()) {
            if (!names.contains(name))
                kept.add(day.key(), name);
        }
    }
    for (const QList<Series> &series : m_series) {
        for (const Series &each : series) {
            if (!names.contains(each.name))
                kept.addEvery400Years(each.from, each.name);
        }
    }
    return kept;
}

QStringList Holidays::eventNames() const
{
    QSet<QString> names;
    for (const QStringList &dayNames : m_days)
        names.unite(QSet<QString>(dayNames.cbegin(), dayNames.cend()));
    for (const QList<Series> &series : m_series) {
        for (const Series &each : series)
            names.insert(each.name);
    }
    return names.values();
}

QStringList Holidays::names(QDate day) const
{
    if (!CalendarRange::contains(day))
        return {};
    QStringList names = m_days.value(day);
    for (const Series &series : m_series.value(placeInCycle(day))) {
        if (series.from <= day && !names.contains(series.name))
            names.append(series.name);
    }
    return names;
}

bool Holidays::isSeriesDay(QDate day) const
{
    const auto series = m_series.constFind(placeInCycle(day));
    return series != m_series.cend() && series->first().from <= day;
}

qint64 Holidays::dayCount() const
{
    const QList<Qt::DayOfWeek> everyDay {Qt::Monday, Qt::Tuesday,  Qt::Wednesday, Qt::Thursday,
                                         Qt::Friday, Qt::Saturday, Qt::Sunday};
    return onWorkingDaysBetween(CalendarRange::first().addDays(-1), CalendarRange::last(),
                                everyDay);
}

qint64 Holidays::onWorkingDaysBetween(QDate from, QDate to,
                                      const QList<Qt::DayOfWeek> &workingWeek) const
{
    if (to < from)
        return -onWorkingDaysBetween(to, from, workingWeek);
    const auto working
            = [&](QDate day) { return workingWeek.contains(Qt::DayOfWeek(day.dayOfWeek())); };
    qint64 count = 0;
    for (auto day = m_days.upperBound(from); day != m_days.cend() && day.key() <= to; ++day)
        count += working(day.key()) && !isSeriesDay(day.key());
    return count + seriesDaysBetween(from, to, workingWeek);
}

qint64 Holidays::seriesDaysBetween(QDate from, QDate to,
                                   const QList<Qt::DayOfWeek> &workingWeek) const
{
    if (m_series.isEmpty())
        return 0;
    const QDate first = std::max(from.addDays(1), CalendarRange::first());
    const QDate last = std::min(to, CalendarRange::last());
    if (last < first)
        return 0;
    // A place's days all fall on one weekday, as the cycle is a whole number of weeks; a place
    // counts from its earliest series.
    const auto counted = [&](const QList<Series> &series) {
        const QDate start = series.first().from;
        return workingWeek.contains(Qt::DayOfWeek(start.dayOfWeek()))
                ? seriesDaysWithin(start, first, last)
                : 0;
    };
    qint64 count = 0;
    if (first.daysTo(last) >= cycleDays) {
        for (const QList<Series> &series : m_series)
            count += counted(series);
        return count;
    }
    // A span shorter than the cycle meets each place at most once: only the places it covers.
    const qint64 begin = placeInCycle(first);
    const qint64 end = placeInCycle(last);
    const auto countPlaces = [&](qint64 low, qint64 high) {
        for (auto place = m_series.lowerBound(low); place != m_series.cend() && place.key() <= high;
             ++place)
            count += counted(place.value());
    };
    if (begin <= end) {
        countPlaces(begin, end);
    } else {
        countPlaces(begin, cycleDays - 1);
        countPlaces(0, end);
    }
    return count;
}
