#include "DayCountInput.h"

#include "CalendarRange.h"

#include <cmath>

DayCountInput::DayCountInput(const QString &text, const QLocale &locale)
{
    // Double precision keeps every count the calendar can use exact, so that "1000000.01" is
    // not taken for a whole number and "16777217" is not rounded to a neighbour.
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok && std::isfinite(value)) {
        if (std::trunc(value) == value) {
            m_status = Status::Whole;
            m_days = value;
        }
    } else if (std::isinf(value)) {
        // An overflowing number is still a number: far too many days rather than no number.
        m_status = Status::TooLarge;
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
