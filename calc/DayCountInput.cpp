#include "DayCountInput.h"

#include "CalendarRange.h"

#include <cmath>

DayCountInput::DayCountInput(const QString &text, const QLocale &locale)
{
    // Double precision keeps every count the calendar can use exact, so that "1000000.01" is
    // not taken for a whole number and "16777217" is not rounded to a neighbour.
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok) {
        // A number too large for a double comes back as infinity: it is still a number, just
        // far too many days, unlike the "inf" that Qt reads as a valid infinity.
        if (std::isinf(value))
            m_status = Status::TooLarge;
        return;
    }
    if (std::isfinite(value) && std::trunc(value) == value) {
        m_status = Status::Whole;
        m_days = value;
    }
}

std::optional<QDate> DayCountInput::dateFrom(QDate base) const
{
    if (m_status != Status::Whole)
        return std::nullopt;
    // Guard the conversion to whole days: no count longer than the calendar itself can land
    // inside it.
    if (std::abs(m_days) > double(CalendarRange::first().daysTo(CalendarRange::last())))
        return std::nullopt;
    const QDate target = base.addDays(qint64(m_days));
    if (!CalendarRange::contains(target))
        return std::nullopt;
    return target;
}
