// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words and numbers the calendar draws: in its region's language and in the region's own
// digits, as the dates in the results are, and the months of the calendar the user chose.
#pragma once

#include "CalendarSystem.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

class QFontMetricsF;

class CalendarTexts
{
    Q_DECLARE_TR_FUNCTIONS(CalendarTexts)

public:
    explicit CalendarTexts(const QLocale &locale,
                           const Calendar &calendar = calendarOf(CalendarSystem::Gregorian));

    const Calendar &calendar() const { return *m_calendar; }
    QString number(int value) const;
    // The name and year of the month the day is in.
    QString monthTitle(QDate day) const;
    QString monthName(int year, int month) const
    {
        return m_calendar->monthName(m_locale, year, month);
    }

    // A day as screen readers say it: "Friday, 25 December 2026, week 52, Christmas Day".
    QString spokenDay(QDate day, std::optional<int> weekNumber,
                      const QStringList &holidayNames) const;

    // The names of the days, in the longest of the region's forms (full, short, narrow) in which
    // every name fits the width; elided where not even narrow ones do.
    std::array<QString, 7> weekdayNames(const std::array<Qt::DayOfWeek, 7> &days,
                                        const QFontMetricsF &metrics, double width) const;

private:
    QLocale m_locale;
    const Calendar *m_calendar;
};
