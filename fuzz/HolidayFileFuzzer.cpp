// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes to the holiday calendar reader: it either refuses them and gives nothing, or
// gives holidays within the limit on their number.
#include "HolidayFile.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HolidayFile file = HolidayFile::fromText(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // Within the range, each day or 400-year series the limit lets through is at most 21 days.
    const qint64 days = file.holidays().dayCount();
    if (file.isRefused() ? days != 0 : days > HolidayFile::maximumDays * 21)
        qFatal("broken: %s", file.isRefused() ? "a refused file gave holidays" : "too many days");
    return 0;
}
