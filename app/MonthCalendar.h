#pragma once

#include "MonthGrid.h"

#include <QDate>
#include <QStaticText>
#include <QWidget>

#include <array>

#include <functional>

class CalendarTitleBar;

// A year's worth of months at a glance. Exactly one date is selected across them all. Every pick
// of a day, by mouse or by Return, is reported as dateClicked; setting the date from code or
// moving the selection with the keys reports nothing.
class MonthCalendar : public QWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(std::function<QDate()> today, QWidget *parent = nullptr);

    QDate value() const { return m_selected; }
    // Selects the date and brings its month into view; refuses a date outside the calendar's
    // range and keeps the current one.
    bool setValue(QDate date);

    // The first day of the first month on the page.
    QDate firstMonthShown() const { return m_pageStart; }
    // Where a day is drawn; null where it is not on the page.
    QRect dayRect(QDate date) const { return grid().dayRect(date); }

signals:
    void dateClicked();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    MonthGrid grid() const;
    void select(QDate date);
    void showPageStartingAt(QDate month);
    void paintMonth(QPainter &painter, const MonthGrid &grid, int index, QDate today) const;
    void prepareTexts(const MonthGrid &grid);

    std::function<QDate()> m_today;
    CalendarTitleBar *const m_titleBar;
    QDate m_selected;
    QDate m_pageStart;
    // Laying out text is most of the cost of painting a page; the texts every month repeats are
    // laid out once, for the current font and locale.
    std::array<QStaticText, 31> m_dayNumbers;
    std::array<QStaticText, 7> m_weekdayNames;
    bool m_textsPrepared = false;
};
