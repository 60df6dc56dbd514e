// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Moves quickly to another month or year: a year box over the months of the calendar's year.
#pragma once

#include "Calendar.h"

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
    void prepare(QDate month, const QLocale &locale, const Calendar &calendar);

signals:
    void monthChosen(QDate firstOfMonth);

private:
    // The year box's year has twelve or thirteen months, named by their year.
    void showMonthsOf(int year);

    QSpinBox *const m_year;
    QList<QAction *> m_months;
    QDate m_month;
    const Calendar *m_calendar = nullptr;
};
