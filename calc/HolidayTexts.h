// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program says of the holiday calendars it imports and reads, in the window and on the
// command line alike.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class HolidayTexts
{
    Q_DECLARE_TR_FUNCTIONS(HolidayTexts)

public:
    // "national: 12 holiday days, 1 event skipped (Half term: a time, not a whole day)"; past
    // three skipped events, how many more.
    static QString imported(const QString &name, qint64 days, const QStringList &skipped);
    // "national: it is not an iCalendar file": a calendar or file, and why it gave nothing.
    static QString refused(const QString &name, const QString &reason);
    // "Holiday calendars skipped: national: it is not an iCalendar file; ..."
    static QString skippedCalendars(const QStringList &refusals);
    // "national: which events are days off cannot be read (... is damaged), so every event counts"
    static QString unreadChoice(const QString &name, const QString &reason);

private:
    static QString listSeparator();
};
