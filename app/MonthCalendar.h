#pragma once

#include <QCalendarWidget>

// The month calendar: offers the dates from 1753 to 9999 and reports every pick of a day, by
// mouse or by Return, as dateClicked. Setting the date from code reports nothing.
class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget *parent = nullptr);

    QDate value() const { return selectedDate(); }
    // Refuses a date outside the calendar's range and keeps the current one.
    bool setValue(QDate date);

signals:
    void dateClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_dayGrid;
};
