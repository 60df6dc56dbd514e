// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's title row: names the months on the page, pages back and forth, and moves
// quickly to another month or year.
#pragma once

#include "CalendarTexts.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QSpinBox;
class QToolButton;

// The first month's name opens the month jump and its year can be typed. Keys typed into the
// year stay in it: Return, Enter and Escape hand the keyboard back to the days.
class CalendarTitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarTitleBar(QWidget *parent = nullptr);

    // The months and years are named, typed and paged by in the texts' calendar.
    void showPage(QDate firstMonth, QDate lastMonth, const CalendarTexts &texts);
    // Where the month jump opens, in global coordinates.
    QPoint monthJumpPosition() const;
    // Takes the keyboard into the year box.
    void editYear();

signals:
    // The page should start at the month of this date.
    void pageRequested(QDate firstMonth);
    void monthJumpRequested();
    void editingDone();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QToolButton *const m_previous;
    QToolButton *const m_month;
    QSpinBox *const m_year;
    QLabel *const m_lastMonth;
    QToolButton *const m_next;
    QDate m_firstMonth;
    const Calendar *m_calendar = nullptr; // the page's, as last shown
};
