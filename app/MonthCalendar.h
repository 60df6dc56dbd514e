// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CalendarSpan.h"
#include "CalendarTexts.h"
#include "MonthGrid.h"

#include <QDate>
#include <QRegion>
#include <QStaticText>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class CalendarTitleBar;
class QLabel;
class MonthJumpMenu;

// A year's worth of months at a glance. Exactly one date is selected across them all. Every pick
// of a day, by mouse or by Return, is reported as dateClicked; setting the date from code or
// moving the selection with the keys reports nothing. The layout is left to right in every
// region; names and numbers are the region's.
class MonthCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(std::function<QDate()> today, QWidget *parent = nullptr);

    QDate value() const { return m_selected; }
    // Selects the date and brings its month into view; refuses a date outside the calendar's
    // range and keeps the current one.
    bool setValue(QDate date);

    // Rows of four months on a page, 1 to 3: fewer where the screen is too short for three.
    int monthRows() const { return m_monthRows; }
    void setMonthRows(int rows);
    // The height of the title above the months and of the span's summary below them.
    int heightBesideMonths() const;

    // The span to shade and sum up under the months.
    void setSpan(const CalendarSpan &span);
    QString spanSummaryText() const;

    // The first day of the first month on the page.
    QDate firstMonthShown() const { return m_pageStart; }
    // Where a day is drawn; null where it is not on the page.
    QRect dayRect(QDate date) const { return grid().dayRect(date); }
    // Where the first month's weekday name in a column is drawn, and the name drawn there.
    QRect weekdayRect(int column) const { return grid().weekdayRect(0, column); }
    QString weekdayName(int column) const { return m_weekdayNames[column].text(); }
    // The date outlined as today.
    QDate todayShown() const { return m_todayShown; }

signals:
    void dateClicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    MonthGrid grid() const;
    void select(QDate date);
    void showPageStartingAt(QDate month);
    void openMonthJump(int index, QPoint position);
    void announceSelection();
    void refreshToday();
    std::pair<QDate, QDate> countedSpan() const;
    QRegion spanRegion() const;
    void pointAt(QDate day);
    void refreshSummary();
    void copySpanSummary() const;
    void paintMonth(QPainter &painter, const MonthGrid &grid, int index) const;
    void prepareTexts(const MonthGrid &grid);

    std::function<QDate()> m_today;
    CalendarTitleBar *const m_titleBar;
    QLabel *const m_summary;
    MonthJumpMenu *m_monthJump = nullptr; // made when first opened
    int m_monthJumpIndex = 0;
    QDate m_selected;
    QDate m_pageStart;
    QDate m_todayShown;
    CalendarSpan m_span;
    QDate m_pointed; // the day last pointed at or moved to with the keys, while on the days
    int m_monthRows = MonthGrid::maximumMonthRows;
    // Wheel turns smaller than a notch add up until they make one.
    int m_wheelRest = 0;
    bool m_wheelInPixels = false;
    QTimer m_midnight {this};

    CalendarTexts m_texts;
    // Laying out text is most of the cost of painting a page; the texts every month repeats are
    // laid out once, for the current font, locale and size.
    std::array<QStaticText, 31> m_dayNumbers;
    std::array<QStaticText, 7> m_weekdayNames;
    bool m_textsPrepared = false;
};
