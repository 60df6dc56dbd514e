#pragma once

#include <QDate>
#include <QWidget>

class QLabel;
class QMenu;
class QSpinBox;
class QToolButton;

// The calendar's title row: names the months on the page, pages back and forth, and moves
// quickly to another month or year through the first month's name and year.
class CalendarTitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit CalendarTitleBar(QWidget *parent = nullptr);

    void showPage(QDate firstMonth, QDate lastMonth);

signals:
    // The page should start at the month of this date.
    void pageRequested(QDate firstMonth);

private:
    void fillMonthMenu();

    QToolButton *const m_previous;
    QToolButton *const m_month;
    QMenu *const m_monthMenu;
    QSpinBox *const m_year;
    QLabel *const m_lastMonth;
    QToolButton *const m_next;
    QDate m_firstMonth;
};
