// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays kept as an iCalendar file.
#pragma once

#include "HolidaySource.h"

class ICalendarSource final : public HolidaySource
{
public:
    // Named after the file, without its suffix.
    explicit ICalendarSource(const QString &path);

    QString name() const override;
    // Only the range's holidays are kept, however many the file's rules make elsewhere.
    std::variant<Holidays, QString> holidaysWithin(const DateRange &range) const override;

private:
    QString m_path;
};
