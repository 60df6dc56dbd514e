// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A year's worth of months at a glance: the title bar, the page of months and the span's summary
// under them, held together.
#pragma once

#include "CalendarSpan.h"
#include "WheelNotches.h"

#include <QDate>
#include <QWidget>

class CalendarTitleBar;
class DayContext;
class MonthJumpMenu;
class MonthPage;
class SpanSummary;

// Exactly one date is selected across the months. Every pick of a day, by a click or by Return,
// is reported as activated(); setting the date from code or moving the selection with the keys
// reports nothing. The layout is left to right in every region; names and numbers are the
// region's. What the days show besides (the calendar, the holidays, the working week, the week
// numbers and today) is the context's, and follows it.
class MonthCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(DayContext &context, QWidget *parent = nullptr);

    QDate selectedDate() const;
    // Selects the date, kept within 1753 to 9999, and brings its month into view.
    void setSelectedDate(QDate date);
    // Selects the date and reports it as activated(), as a click on it would.
    void pick(QDate date);
    // The day the calendar's menu was last opened on: the one under the pointer, or else the
    // selected one, as the keyboard opens it there.
    QDate menuDate() const { return m_menuDate.isValid() ? m_menuDate : selectedDate(); }

    // Up to four months across and three down: fewer where the screen is too small for all.
    void setMonthsShown(int across, int down);
    // What the title bar and the summary take of the calendar's height; the rows of months
    // share the rest.
    int titleAndSummaryHeight() const;

    void setSpan(const CalendarSpan &span);
    void setSpanSummary(const QString &text);

signals:
    // A day was picked, by a click or by Return.
    void activated(QDate date);
    // The user points at a day, or moves the selection to one; null once the pointer has left
    // the days.
    void highlighted(QDate date);
    // The page now starts with another month: the first day of it, in the calendar shown.
    void currentPageChanged(QDate firstMonth);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showTitle();
    void openMonthJump(QDate month, QPoint position);
    void openMenuAtSelection();
    void turnPages(const QWheelEvent &wheel);

    DayContext &m_context;
    CalendarTitleBar *const m_titleBar;
    MonthPage *const m_page;
    SpanSummary *const m_summary;
    MonthJumpMenu *m_monthJump = nullptr; // made when first opened
    int m_monthJumpIndex = 0; // where on the page the chosen month goes
    WheelNotches m_wheel;
    QDate m_menuDate;
};
