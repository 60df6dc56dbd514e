// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences the calculator writes, with dates in the user's regional short format.
#pragma once

#include "CalendarSystem.h"
#include "FixedTexts.h"
#include "Holidays.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

class ResultTexts
{
    Q_DECLARE_TR_FUNCTIONS(ResultTexts)

public:
    // Dates in the region's short format, or as ISO 8601 for scripts.
    enum class DateStyle { Regional, Iso };
    // Dates, months and years in the calendar; ISO 8601 dates are Gregorian, as ISO 8601 is.
    explicit ResultTexts(const QLocale &locale, DateStyle style = DateStyle::Regional,
                         CalendarSystem calendar = CalendarSystem::Gregorian);

    // Two lines each, the sentence and its weeks and days, separated by a line feed.
    QString fromToday(QDate target, qint64 dayCount, QDate today) const;
    QString betweenDates(QDate first, QDate second, qint64 dayCount) const;
    QString firstDateNotice(QDate first) const;
    static QString dayCountBox(qint64 dayCount);

    // "07/12/2026 to 17/03/2027: 100 days (14 weeks 2 days; 3 months 10 days), 71 working days
    // (1 holiday)": months and years for a month or more, working days by the working week, less
    // the holidays that fall on them.
    QString spanSummary(QDate from, QDate to, const QList<Qt::DayOfWeek> &workingWeek,
                        const Holidays &holidays) const;

    QString date(QDate date) const;
    // A number in a sentence: in the region's digits where the sentence is in the region's own
    // language, else in ASCII digits as the English texts have them; never grouped.
    QString number(qint64 count) const;

private:
    // A date kept whole in a sentence of the other direction; the summary's, also kept from
    // turning an English line around.
    QString isolated(QDate day) const;
    QString summaryDate(QDate day) const;
    QString counted(const QString &form, qint64 count) const;
    QString countWithSignOrBlank(qint64 dayCount) const;
    QString weekBreakdown(qint64 dayCount) const;
    // Counted in words, as "18 days", "2 weeks".
    QString days(qint64 count) const;
    QString weeks(qint64 count) const;

    QLocale m_locale;
    QString m_dateFormat;
    QLocale m_numbers;
    bool m_rightToLeftSentences; // the translation's sentences run from the right
    const Calendar *m_calendar;
};

// The text with each place %1 to %9 filled by the value of its number, wherever it stands: a
// translation may leave out places that its language does not need and use others instead.
QString withPlaces(const QString &text, const QStringList &values);

// The locale's short date format with any two-digit year widened to four digits, so that dates
// from 1753 to 9999 can never be mistaken for another century; ISO 8601 where the locale is C.
QString fourDigitYearDateFormat(const QLocale &locale);
// A date format with each two-digit year field ("yy") made a four-digit one; quoted text is kept.
QString widenTwoDigitYears(const QString &format);
