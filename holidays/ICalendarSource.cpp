// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a kept iCalendar file's holidays.
#include "ICalendarSource.h"

#include "HolidayFile.h"

#include <QFileInfo>

ICalendarSource::ICalendarSource(const QString &path)
    : m_path(path)
{ }

QString ICalendarSource::name() const
{
    return QFileInfo(m_path).completeBaseName();
}

std::variant<Holidays, QString> ICalendarSource::holidaysWithin(const DateRange &range) const
{
    const HolidayFile file = HolidayFile::fromFile(m_path, range);
    if (file.isRefused())
        return file.refusal();
    return file.holidays();
}
