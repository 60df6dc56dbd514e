// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pairs of dates and the texts both the window and the command line answer them with (British,
// 25 December 2026 a stored holiday).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>

// An iCalendar file with a holiday on 25 December 2026, named as given.
inline QByteArray christmasCalendar(const char *name = "Christmas Day")
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:1\r\n"
                      "DTSTART;VALUE=DATE:20261225\r\nSUMMARY:")
            + name + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

struct SharedAnswer
{
    QDate first, second;
    const char *results, *summary; // the results' lines separated by \n
};

inline const QList<SharedAnswer> &sharedAnswers()
{
    static const QList<SharedAnswer> answers = {
            {{2026, 12, 19},
             {2027, 1, 6},
             "The number of days from 19/12/2026 to 06/01/2027 is  18\nThat is 2 Weeks and 4 Days.",
             "19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 12 working days (1 holiday)"},
            {{2027, 3, 17},
             {2026, 12, 7},
             "The number of days from 17/03/2027 to 07/12/2026 is -100\nThat is -14 Weeks and -2 "
             "Days.",
             "17/03/2027 to 07/12/2026: -100 days (-14 weeks -2 days; -3 months -10 days), -71 "
             "working days (-1 holiday)"},
    };
    return answers;
}
