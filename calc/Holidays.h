// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Public holidays by day, with their names, from one or several calendars.
#pragma once

#include <QDate>
#include <QMap>
#include <QStringList>

// A day that two calendars make a holiday counts once, with both names.
class Holidays
{
public:
    void add(QDate day, const QString &name);
    void merge(const Holidays &other);

    bool isEmpty() const { return m_days.isEmpty(); }
    qsizetype dayCount() const { return m_days.size(); }
    // The earliest and the latest holiday; the calendar must not be empty.
    QDate first() const { return m_days.firstKey(); }
    QDate last() const { return m_days.lastKey(); }
    // Empty on a day that is no holiday.
    QStringList names(QDate day) const { return m_days.value(day); }
    bool operator==(const Holidays &) const = default;

    // Counted as working days are: the holidays after from, up to and including to, that fall in
    // the working week; negative when to lies before from.
    qint64 onWorkingDaysBetween(QDate from, QDate to,
                                const QList<Qt::DayOfWeek> &workingWeek) const;

private:
    QMap<QDate, QStringList> m_days;
};
