#include "MonthCalendar.h"

#include "CalendarRange.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QMouseEvent>

MonthCalendar::MonthCalendar(QWidget *parent)
    : QCalendarWidget(parent)
    , m_dayGrid(findChild<QAbstractItemView *>()->viewport())
{
    setDateRange(CalendarRange::first(), CalendarRange::last());
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    // Every mouse click on a day is a pick, the selected day included.
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::dateClicked);
    // With the double click turned into a second click below, activated comes only from
    // Return or Enter, on the day grid or in the calendar's typed-date overlay.
    connect(this, &QCalendarWidget::activated, this, &MonthCalendar::dateClicked);
    m_dayGrid->installEventFilter(this);
}

bool MonthCalendar::setValue(QDate date)
{
    // The stock calendar would clamp the date to its range; a date it does not offer is refused.
    if (!CalendarRange::contains(date))
        return false;
    setSelectedDate(date);
    return true;
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event)
{
    // The grid answers a double click with activated instead of a second click. Replay it as
    // the press it is, so that a double click picks exactly twice, like two single clicks.
    if (watched == m_dayGrid && event->type() == QEvent::MouseButtonDblClick) {
        const auto *doubleClick = static_cast<QMouseEvent *>(event);
        QMouseEvent press(QEvent::MouseButtonPress, doubleClick->position(),
                          doubleClick->scenePosition(), doubleClick->globalPosition(),
                          doubleClick->button(), doubleClick->buttons(), doubleClick->modifiers(),
                          doubleClick->pointingDevice());
        QCoreApplication::sendEvent(m_dayGrid, &press);
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}
