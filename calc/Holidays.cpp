// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays merged by day, and counted over a span.
#include "Holidays.h"

void Holidays::add(QDate day, const QString &name)
{
    QStringList &names = m_days[day];
    if (!names.contains(name))
        names.append(name);
}

void Holidays::merge(const Holidays &other)
{
    for (auto day = other.m_days.cbegin(); day != other.m_days.cend(); ++day) {
        for (const QString &name : day.value())
            add(day.key(), name);
    }
}

qint64 Holidays::onWorkingDaysBetween(QDate from, QDate to,
                                      const QList<Qt::DayOfWeek> &workingWeek) const
{
    if (to < from)
        return -onWorkingDaysBetween(to, from, workingWeek);
    qint64 count = 0;
    for (auto day = m_days.upperBound(from); day != m_days.cend() && day.key() <= to; ++day)
        count += workingWeek.contains(Qt::DayOfWeek(day.key().dayOfWeek()));
    return count;
}
