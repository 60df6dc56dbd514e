// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A holiday calendar read from an iCalendar file.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <variant>

// The days an iCalendar file's all-day events cover, by their summaries, across the calendar's
// range; or why the file was refused, in which case it gives nothing. Timed and cancelled events
// are no holidays: they are skipped and counted.
class HolidayFile
{
    Q_DECLARE_TR_FUNCTIONS(HolidayFile)

public:
    // Limits on what an untrusted file may make the program read and expand.
    static constexpr qsizetype maximumBytes = 10 * 1024 * 1024;
    static constexpr qsizetype maximumDays = 100'000;

    // The holidays within the range: a stored calendar, already read whole once, may be read for
    // less.
    static HolidayFile fromText(const QByteArray &text, const DateRange &range = {});
    static HolidayFile fromFile(const QString &path, const DateRange &range = {});
    // A file's bytes, no more than one past the limit, or why it cannot be read.
    static std::variant<QByteArray, QString> readText(const QString &path);

    bool isRefused() const { return !m_refusal.isEmpty(); }
    // Why the file was refused, as the end of a sentence: "it is not an iCalendar file".
    QString refusal() const { return m_refusal; }
    const Holidays &holidays() const { return m_holidays; }
    int skippedEvents() const { return m_skippedEvents; }

private:
    static HolidayFile refused(const QString &reason);

    QString m_refusal;
    Holidays m_holidays;
    int m_skippedEvents = 0;
};
