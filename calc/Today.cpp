// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads today from the clock and announces each new day.
#include "Today.h"

#include <QDateTime>

Today::Today(Clock clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_lastRead(m_clock())
{
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, [this] {
        date();
        waitForMidnight();
    });
    waitForMidnight();
}

QDate Today::date()
{
    const QDate today = m_clock();
    if (today != m_lastRead) {
        m_lastRead = today;
        emit dateChanged(today);
    }
    return today;
}

void Today::waitForMidnight()
{
    // The next day's start by the system's clock, a second late so that it has surely turned.
    const QDateTime now = QDateTime::currentDateTime();
    m_midnight.start(int(now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000));
}
