// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Hebrew calendar's arithmetic, from its published rules, and its month names.
#include "HebrewCalendar.h"

#include "CalendarDateFormat.h"

#include <QStringList>

#include <array>
#include <optional>

namespace {

// The Julian day of 1 Tishrei AM 1, a Monday.
constexpr qint64 epoch = 347998;

// Division rounding down, also for the negative counts before the epoch.
qint64 floorDivided(qint64 dividend, qint64 divisor)
{
    return dividend / divisor - (dividend % divisor < 0 ? 1 : 0);
}

// The 3rd, 6th, 8th, 11th, 14th, 17th and 19th years of the cycle.
bool isLeapYear(qint64 year)
{
    return 7 * year + 1 - 19 * floorDivided(7 * year + 1, 19) < 7;
}

// The months from the epoch to the year's Tishrei: 235 in each 19-year cycle.
qint64 monthsBefore(qint64 year)
{
    return floorDivided(235 * year - 234, 19);
}

// Days from the epoch to the year's molad of Tishrei, put off a day where it falls at noon or
// later, and again where that day is a Sunday, Wednesday or Friday. Parts are 1/1080 of an hour,
// a month 29 days 13753 parts; the count starts 18 hours early, so that a molad at noon or later
// falls in the next day, and the epoch's molad was 5 hours 204 parts into its day.
qint64 elapsedDays(qint64 year)
{
    const qint64 months = monthsBefore(year);
    const qint64 parts = 12084 + 13753 * months;
    const qint64 days = 29 * months + floorDivided(parts, 25920);
    return (3 * (days + 1)) % 7 < 3 ? days + 1 : days;
}

// The other two postponements keep every year 353 to 355 or 383 to 385 days long: a common year
// that would be 356 days starts two days later, one after a leap year of 382 days a day later.
// From the elapsed days of the year before, the year and the year after.
qint64 newYear(qint64 previous, qint64 current, qint64 next)
{
    const int delay = next - current == 356 ? 2 : current - previous == 382 ? 1 : 0;
    return epoch + current + delay;
}

// The fourteen months by name, in the order they can follow each other.
enum MonthName {
    Tishrei,
    Heshvan,
    Kislev,
    Tevet,
    Shevat,
    Adar,
    AdarI,
    AdarII,
    Nisan,
    Iyar,
    Sivan,
    Tammuz,
    Av,
    Elul
};

// One year's start and the lengths of its months.
struct Year
{
    qint64 number = 0;
    qint64 start = 0;
    int length = 0;

    explicit Year(qint64 year)
        : number(year)
    {
        const qint64 elapsed[] = {elapsedDays(year - 1), elapsedDays(year), elapsedDays(year + 1),
                                  elapsedDays(year + 2)};
        start = newYear(elapsed[0], elapsed[1], elapsed[2]);
        length = int(newYear(elapsed[1], elapsed[2], elapsed[3]) - start);
    }
    bool contains(qint64 julianDay) const
    {
        return julianDay >= start && julianDay < start + length;
    }

    bool isLeap() const { return length > 355; }
    int months() const { return isLeap() ? 13 : 12; }
    MonthName name(int month) const
    {
        if (month <= 5)
            return MonthName(month - 1);
        if (isLeap())
            return MonthName(month); // Adar I, Adar II, Nisan...
        return month == 6 ? Adar : MonthName(month + 1);
    }
    int daysIn(int month) const
    {
        switch (name(month)) {
        case Heshvan: // 30 days in a complete year
            return length % 10 == 5 ? 30 : 29;
        case Kislev: // 29 days in a deficient year
            return length % 10 == 3 ? 29 : 30;
        case Tishrei:
        case Shevat:
        case AdarI:
        case Nisan:
        case Sivan:
        case Av:
            return 30;
        default:
            return 29;
        }
    }
};

// A page of months asks for the same year's days over and over: the year last worked out is
// kept, one for each thread.
std::optional<Year> &lastYear()
{
    thread_local std::optional<Year> last;
    return last;
}

Year yearNumbered(qint64 number)
{
    std::optional<Year> &last = lastYear();
    if (!last || last->number != number)
        last.emplace(number);
    return *last;
}

// The year that holds the Julian day.
Year yearOf(qint64 julianDay)
{
    if (const std::optional<Year> &last = lastYear(); last && last->contains(julianDay))
        return *last;
    // The mean year is 35975351/98496 days; the estimate is off by one at most.
    Year year = yearNumbered(floorDivided((julianDay - epoch) * 98496, 35975351) + 1);
    while (julianDay < year.start)
        year = yearNumbered(year.number - 1);
    while (!year.contains(julianDay))
        year = yearNumbered(year.number + 1);
    return year;
}

// The month's number in its year counted from the epoch's first month.
qint64 monthCount(const Calendar::Parts &parts)
{
    return monthsBefore(parts.year) + parts.month - 1;
}

// The names follow the region's language, as Qt's own month names do, not the program's
// translation.
const std::array<QString, 14> &namesFor(const QLocale &locale)
{
    static const std::array<QString, 14> english
            = {QStringLiteral("Tishrei"), QStringLiteral("Heshvan"), QStringLiteral("Kislev"),
               QStringLiteral("Tevet"),   QStringLiteral("Shevat"),  QStringLiteral("Adar"),
               QStringLiteral("Adar I"),  QStringLiteral("Adar II"), QStringLiteral("Nisan"),
               QStringLiteral("Iyar"),    QStringLiteral("Sivan"),   QStringLiteral("Tammuz"),
               QStringLiteral("Av"),      QStringLiteral("Elul")};
    static const std::array<QString, 14> hebrew
            = {QStringLiteral("תשרי"),   QStringLiteral("חשוון"),  QStringLiteral("כסלו"),
               QStringLiteral("טבת"),    QStringLiteral("שבט"),    QStringLiteral("אדר"),
               QStringLiteral("אדר א׳"), QStringLiteral("אדר ב׳"), QStringLiteral("ניסן"),
               QStringLiteral("אייר"),   QStringLiteral("סיוון"),  QStringLiteral("תמוז"),
               QStringLiteral("אב"),     QStringLiteral("אלול")};
    return locale.language() == QLocale::Hebrew ? hebrew : english;
}

} // namespace

Calendar::Parts HebrewCalendar::partsFromDate(QDate date) const
{
    if (!date.isValid())
        return {};
    const qint64 julianDay = date.toJulianDay();
    const Year year = yearOf(julianDay);
    int day = int(julianDay - year.start) + 1;
    int month = 1;
    for (; day > year.daysIn(month); ++month)
        day -= year.daysIn(month);
    return {int(year.number), month, day};
}

QDate HebrewCalendar::dateFromParts(int year, int month, int day) const
{
    if (year < 1)
        return QDate();
    const Year shape = yearNumbered(year);
    if (month < 1 || month > shape.months() || day < 1 || day > shape.daysIn(month))
        return QDate();
    qint64 julianDay = shape.start + day - 1;
    for (int before = 1; before < month; ++before)
        julianDay += shape.daysIn(before);
    return QDate::fromJulianDay(julianDay);
}

int HebrewCalendar::monthsInYear(int year) const
{
    return isLeapYear(year) ? 13 : 12;
}

int HebrewCalendar::daysInMonth(int year, int month) const
{
    return month >= 1 && month <= monthsInYear(year) ? yearNumbered(year).daysIn(month) : 0;
}

QString HebrewCalendar::monthName(const QLocale &locale, int year, int month) const
{
    if (year < 1 || month < 1 || month > monthsInYear(year))
        return QString();
    return namesFor(locale)[yearNumbered(year).name(month)];
}

QDate HebrewCalendar::addMonths(QDate date, int months) const
{
    if (!date.isValid())
        return QDate();
    const Parts from = partsFromDate(date);
    const qint64 target = monthCount(from) + months;
    qint64 year = floorDivided(19 * target + 234, 235);
    while (monthsBefore(year + 1) <= target)
        ++year;
    while (monthsBefore(year) > target)
        --year;
    const int month = int(target - monthsBefore(year)) + 1;
    return dateFromParts(int(year), month, std::min(from.day, daysInMonth(int(year), month)));
}

QDate HebrewCalendar::addYears(QDate date, int years) const
{
    if (!date.isValid())
        return QDate();
    const Parts from = partsFromDate(date);
    const int year = from.year + years;
    int month = from.month;
    const bool wasLeap = isLeapYear(from.year), isLeap = isLeapYear(year);
    if (wasLeap && !isLeap && month >= 7)
        --month; // Adar II to Adar, and the months after it
    else if (!wasLeap && isLeap && month >= 6)
        ++month; // Adar to Adar II, and the months after it
    return dateFromParts(year, month, std::min(from.day, daysInMonth(year, month)));
}

int HebrewCalendar::monthsBetween(QDate from, QDate to) const
{
    return int(monthCount(partsFromDate(to)) - monthCount(partsFromDate(from)));
}

QString HebrewCalendar::toString(QDate date, const QLocale &locale, const QString &format) const
{
    return CalendarDateFormat::toString(*this, date, locale, format);
}

QString HebrewCalendar::toString(QDate date, const QLocale &locale,
                                 QLocale::FormatType format) const
{
    return toString(date, locale, locale.dateFormat(format));
}

QDate HebrewCalendar::toDate(const QString &text, const QLocale &locale,
                             const QString &format) const
{
    const QDate date = CalendarDateFormat::toDate(*this, text, locale, format);
    return date.isValid()
            ? date
            : CalendarDateFormat::toDate(*this, text, locale, QStringLiteral("d MMMM yyyy"));
}
