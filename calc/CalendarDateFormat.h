// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dates of a calendar Qt does not know, written and read in a region's date format.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class Calendar;

// The format is in QLocale's letters (d, dd, ddd, dddd, M, MM, MMM, MMMM, yy, yyyy and quoted
// text), numbers in the region's digits and names the calendar's.
namespace CalendarDateFormat {

QString toString(const Calendar &calendar, QDate date, const QLocale &locale,
                 const QString &format);
// Digits of any script are read, a month's name where its number would stand too, in the
// region's language or in English; null where the text is no date of the format.
QDate toDate(const Calendar &calendar, const QString &text, const QLocale &locale,
             const QString &format);

} // namespace CalendarDateFormat
