// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Today's date, read from a clock that is handed in, and the news that it has turned.
#pragma once

#include <QDate>
#include <QObject>
#include <QTimer>

#include <functional>

// Whoever counts from today asks date(); whoever shows today listens to dateChanged(), which
// comes at midnight, or as soon as a reading finds that the day has turned (after a suspend
// that outlasted midnight, say).
class Today : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDate()>;

    explicit Today(Clock clock, QObject *parent = nullptr);

    // Reads the clock afresh, and announces the day if it has turned since the last reading.
    QDate date();

signals:
    void dateChanged(QDate today);

private:
    void waitForMidnight();

    Clock m_clock;
    QDate m_lastRead;
    QTimer m_midnight {this};
};
