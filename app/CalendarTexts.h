// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words and numbers the calendar draws: in its region's language and in the region's own
// digits, as the dates in the results are.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>

class QFontMetricsF;

class CalendarTexts
{
public:
    explicit CalendarTexts(const QLocale &locale);

    QString number(int value) const;
    QString monthTitle(QDate month) const;
    QString monthName(int month) const { return m_locale.standaloneMonthName(month); }

    // The names of the days, in the longest of the region's forms (full, short, narrow) in which
    // every name fits the width; elided where not even narrow ones do.
    std::array<QString, 7> weekdayNames(const std::array<Qt::DayOfWeek, 7> &days,
                                        const QFontMetricsF &metrics, double width) const;

private:
    QLocale m_locale;
};
