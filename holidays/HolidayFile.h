// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A holiday calendar read from an iCalendar file.
#pragma once

#include "CalendarRange.h"
#include "Holidays.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <variant>

// The days an iCalendar file's all-day events cover, by their summaries, across the calendar's
// range; or why the file was refused, in which case it gives nothing. An occurrence that a later
// edit moved or cancelled (the same UID with a RECURRENCE-ID) counts as edited. Timed and
// cancelled events are no holidays: they are skipped, each with the reason.
class HolidayFile
{
    Q_DECLARE_TR_FUNCTIONS(HolidayFile)

public:
    // Limits on what an untrusted file may make the program read and expand: yearly rules
    // without an end are expanded over one 400-year cycle, so that a calendar's days to 9999
    // stay far below the limit on days.
    static constexpr qsizetype maximumBytes = 10 * 1024 * 1024;
    static constexpr qsizetype maximumDays = 250'000;

    // At least the holidays within the range: a stored calendar, already read whole once, may be
    // read for less.
    static HolidayFile fromText(const QByteArray &text, const DateRange &range = {});
    static HolidayFile fromFile(const QString &path, const DateRange &range = {});
    // A file's bytes, no more than one past the limit, or why it cannot be read.
    static std::variant<QByteArray, QString> readText(const QString &path);

    bool isRefused() const { return !m_refusal.isEmpty(); }
    // Why the file was refused, as the end of a sentence: "it is not an iCalendar file".
    QString refusal() const { return m_refusal; }
    const Holidays &holidays() const { return m_holidays; }
    // The events that gave no holiday, each as "Half term: a time, not a whole day".
    const QStringList &skipped() const { return m_skipped; }

private:
    static HolidayFile refused(const QString &reason);

    QString m_refusal;
    Holidays m_holidays;
    QStringList m_skipped;
};
