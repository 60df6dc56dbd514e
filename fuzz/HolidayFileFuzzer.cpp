// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the holiday calendar reader: it either refuses them and gives nothing, or
// gives holidays inside the calendar's range and within the limit on their number.
#include "CalendarRange.h"
#include "HolidayFile.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HolidayFile file = HolidayFile::fromText(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const Holidays &holidays = file.holidays();
    if (file.isRefused() ? !holidays.isEmpty() : holidays.dayCount() > HolidayFile::maximumDays)
        qFatal("broken: %s", file.isRefused() ? "a refused file gave holidays" : "too many days");
    if (!holidays.isEmpty()
        && !(CalendarRange::contains(holidays.first()) && CalendarRange::contains(holidays.last())))
        qFatal("broken: a holiday outside the calendar's range");
    return 0;
}
