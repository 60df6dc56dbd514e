// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the user typed into the day-count box, read as a whole number of days.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class DayCountInput
{
public:
    enum class Status { Whole, NotWholeNumber, TooLarge };

    DayCountInput(const QString &text, const QLocale &locale);

    Status status() const { return m_status; }
    double days() const { return m_days; }

    // The date this many days after base, or nothing when the calendar does not offer it.
    std::optional<QDate> dateFrom(QDate base) const;

private:
    Status m_status = Status::NotWholeNumber;
    double m_days = 0;
};
