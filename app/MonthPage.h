// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The months of one page of the calendar: drawn, and turning the pointer and the keys on their
// days into a selection and a day pointed at.
#pragma once

#include "CalendarSpan.h"
#include "MonthGrid.h"
#include "MonthPainter.h"

#include <QDate>
#include <QWidget>

class DayContext;

// Exactly one date is selected. Every pick of a day, by a click or by Return, is reported as
// activated(); setting the date from code or moving the selection with the keys reports nothing.
// The months are laid out left to right in every region; names and numbers are the region's.
// The calendar, the holidays, the working week, the week numbers and today are the context's.
class MonthPage : public QWidget
{
    Q_OBJECT

public:
    explicit MonthPage(DayContext &context, QWidget *parent = nullptr);

    QDate selectedDate() const { return m_selected; }
    // Selects the date, kept within the calendar's range, and turns the page as little as it
    // takes to show it.
    void setSelectedDate(QDate date);

    // The first day of the first month on the page.
    QDate firstMonth() const { return m_firstMonth; }
    int monthsPerPage() const { return grid().monthsPerPage(); }
    // Shows the page that starts with the month of the date, kept within the calendar's range.
    void showPageStartingAt(QDate month);

    // Up to four months across and three down: fewer where the screen is too small for all.
    void setMonthsShown(int across, int down);
    void setSpan(const CalendarSpan &span);
    // The selected day as screen readers say it: its date in full, the week number where shown,
    // and a holiday's names.
    QString spokenSelection() const;

    // Where a day is drawn; null where it is not on the page.
    QRect dayRect(QDate date) const { return grid().dayRect(date); }
    // The day drawn at the point, whether it can be picked or not; null beside the days.
    QDate dateAt(QPoint point) const { return grid().dateAt(point); }

signals:
    // A day was picked, by a click or by Return.
    void activated(QDate date);
    // The user points at a day, or moves the selection to one; null once the pointer has left
    // the days.
    void highlighted(QDate date);
    void pageChanged(QDate firstMonth);
    // A month's title was clicked: the user wants to move quickly to another month or year.
    void monthJumpRequested(QDate month, QPoint globalPosition);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    MonthGrid grid() const;
    QDate firstOfMonth(QDate date) const;
    void calendarChanged();
    void highlight(QDate day);
    void announceSelection();
    QRegion spanRegion(const CalendarSpan &span) const;

    DayContext &m_context;
    QDate m_todayShown;
    QDate m_selected;
    QDate m_firstMonth;
    QDate m_highlighted;
    QSize m_monthsShown {MonthGrid::maximumMonthColumns, MonthGrid::maximumMonthRows};
    CalendarSpan m_span;
    MonthPainter m_painter {*this};
};
