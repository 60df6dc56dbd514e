// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's month and weekday names and its numbers, in the region's forms.
#include "CalendarTexts.h"

#include <QFontMetricsF>

namespace {

// A little air between neighbouring names.
constexpr double namePadding = 2;

} // namespace

CalendarTexts::CalendarTexts(const QLocale &locale, const Calendar &calendar)
    : m_locale(locale)
    , m_calendar(&calendar)
{
    // Years are numbers too, and "2,026" is no year.
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
}

QString CalendarTexts::number(int value) const
{
    return m_locale.toString(value);
}

QString CalendarTexts::monthTitle(QDate day) const
{
    const Calendar::Parts parts = m_calendar->partsFromDate(day);
    //: The calendar's heading of a month, as "December 2026". %1: the month's name; %2: the year.
    return tr("%1 %2", "month and year")
            .arg(monthName(parts.year, parts.month), number(parts.year));
}

QString CalendarTexts::spokenDay(QDate day, std::optional<int> weekNumber,
                                 const QStringList &holidayNames) const
{
    QString spoken = m_calendar->toString(day, m_locale, QLocale::LongFormat);
    if (weekNumber) {
        //: What screen readers say of a day while week numbers are shown. %1: the day's date;
        //: %2: its ISO 8601 week number.
        spoken = tr("%1, week %2").arg(spoken, number(*weekNumber));
    }
    for (const QString &name : holidayNames) {
        //: What screen readers say of a holiday. %1: the day's date (and week); %2: the
        //: holiday's name.
        spoken = tr("%1, %2", "a day and a holiday").arg(spoken, name);
    }
    return spoken;
}

std::array<QString, 7> CalendarTexts::weekdayNames(const std::array<Qt::DayOfWeek, 7> &days,
                                                   const QFontMetricsF &metrics, double width) const
{
    std::array<QString, 7> names;
    const auto fill = [&](QLocale::FormatType format) {
        bool allFit = true;
        for (int column = 0; column < 7; ++column) {
            names[column] = m_locale.dayName(days[column], format);
            allFit = allFit && metrics.horizontalAdvance(names[column]) + namePadding <= width;
        }
        return allFit;
    };
    for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        if (fill(format))
            return names;
    }
    if (!fill(QLocale::NarrowFormat)) {
        for (QString &name : names)
            name = metrics.elidedText(name, Qt::ElideRight, std::max(0.0, width - namePadding));
    }
    return names;
}
