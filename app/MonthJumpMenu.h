// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Moves quickly to another month or year: a year box over the twelve months of the calendar.
#pragma once

#include <QCalendar>
#include <QDate>
#include <QMenu>

class QSpinBox;

class MonthJumpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit MonthJumpMenu(QWidget *parent);

    // Before the menu opens: the month it starts from, the region whose names it shows and the
    // calendar whose months and years it offers.
    void prepare(QDate month, const QLocale &locale, QCalendar calendar);

signals:
    void monthChosen(QDate firstOfMonth);

private:
    QSpinBox *const m_year;
    QList<QAction *> m_months;
    QDate m_month;
    QCalendar m_calendar;
};
