// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Hebrew calendar, by its own arithmetic: Qt has none to lean on.
#pragma once

#include "Calendar.h"

// Years of 12 or 13 months from Tishrei, the 3rd, 6th, 8th, 11th, 14th, 17th and 19th of each
// 19-year cycle having Adar I and Adar II where the others have Adar. Each year starts at the
// molad (mean new moon) of Tishrei, put off by the four postponements, and is deficient, regular
// or complete by the lengths of Heshvan and Kislev that this leaves.
class HebrewCalendar : public Calendar
{
public:
    Parts partsFromDate(QDate date) const override;
    QDate dateFromParts(int year, int month, int day) const override;
    int monthsInYear(int year) const override;
    int daysInMonth(int year, int month) const override;
    // In Hebrew where the region's language is, in English elsewhere.
    QString monthName(const QLocale &locale, int year, int month) const override;
    QDate addMonths(QDate date, int months) const override;
    // The same month by name: Adar I and Adar II become Adar in a common year, and Adar Adar II
    // in a leap year, where Purim and the year's count of Adar fall.
    QDate addYears(QDate date, int years) const override;
    int monthsBetween(QDate from, QDate to) const override;
    QString toString(QDate date, const QLocale &locale, const QString &format) const override;
    QString toString(QDate date, const QLocale &locale, QLocale::FormatType format) const override;
    // Also as "15 Adar II 5784", the way these dates are most often written, in any region.
    QDate toDate(const QString &text, const QLocale &locale, const QString &format) const override;
};
