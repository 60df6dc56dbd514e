// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The month-and-year menu that moves the calendar quickly to another month.
#include "MonthJumpMenu.h"

#include "CalendarRange.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QWidgetAction>

MonthJumpMenu::MonthJumpMenu(QWidget *parent)
    : QMenu(parent)
    , m_year(new QSpinBox(this))
{
    //: Spoken name of the year box in a month's heading.
    m_year->setAccessibleName(tr("Year"));
    auto *yearAction = new QWidgetAction(this);
    yearAction->setDefaultWidget(m_year);
    addAction(yearAction);
    addSeparator();
    // Return in the year box keeps the month and moves to the year.
    connect(m_year->findChild<QLineEdit *>(), &QLineEdit::returnPressed, this, [this] {
        emit monthChosen(QDate(m_year->value(), m_month.month(m_calendar), 1, m_calendar));
        close();
    });
    for (int month = 1; month <= 12; ++month) {
        m_months << addAction(QString(), this, [this, month] {
            emit monthChosen(QDate(m_year->value(), month, 1, m_calendar));
        });
        m_months.last()->setCheckable(true);
    }
}

void MonthJumpMenu::prepare(QDate month, const QLocale &locale, QCalendar calendar)
{
    m_month = month;
    m_calendar = calendar;
    setLocale(locale);
    m_year->setLocale(locale);
    m_year->setRange(CalendarRange::first().year(calendar), CalendarRange::last().year(calendar));
    const QCalendar::YearMonthDay parts = calendar.partsFromDate(month);
    m_year->setValue(parts.year);
    for (int index = 0; index < 12; ++index) {
        m_months[index]->setText(calendar.standaloneMonthName(locale, index + 1));
        m_months[index]->setChecked(index + 1 == parts.month);
    }
    // Each opening starts in the month list, wherever the keys were left the last time: the year
    // field would otherwise keep the focus and take the arrow keys.
    m_year->clearFocus();
    setActiveAction(m_months[parts.month - 1]);
}
