// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a typed day count in the region's number format, from any script's digits.
#include "DayCountInput.h"

#include "CalendarRange.h"

#include <cmath>

namespace {

// Input methods write digits of other scripts and full-width forms (Japanese and Chinese ones
// type "１，０００" and "－５"); the regional conversion reads only the locale's own digits and
// plain forms. Text copied from right-to-left writing carries invisible direction marks, read as
// the blanks they look like (Arabic regions write one before their minus sign). The exponent is
// read in either case, as every locale writes it in one.
bool isDirectionMark(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
            || (c >= 0x2066 && c <= 0x2069);
}

QString plainNumberText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Number_DecimalDigit)
            c = U'0' + QChar::digitValue(c);
        else if (c >= 0xFF01 && c <= 0xFF5E) // the full-width forms of ASCII
            c -= 0xFEE0;
        else if (c == 0x3000 || isDirectionMark(c)) // the ideographic space, or a mark
            c = U' ';
        if (c == U'e')
            c = U'E';
        plain += QString::fromUcs4(&c, 1);
    }
    return plain;
}

} // namespace

DayCountInput::DayCountInput(const QString &text, const QLocale &locale)
{
    // Double precision keeps every count the calendar can use exact, so that "1000000.01" is
    // not taken for a whole number and "16777217" is not rounded to a neighbour.
    bool ok = false;
    const double value = locale.toDouble(plainNumberText(text), &ok);
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
