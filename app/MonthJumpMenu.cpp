// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The month-and-year menu that moves the calendar quickly to another month.
#include "MonthJumpMenu.h"

#include "CalendarRange.h"

#include <QLineEdit>
#include <QSignalBlocker>
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
    // Return in the year box keeps the month, by name, and moves to the year.
    connect(m_year->findChild<QLineEdit *>(), &QLineEdit::returnPressed, this, [this] {
        emit monthChosen(
                m_calendar->addYears(m_month, m_year->value() - m_calendar->year(m_month)));
        close();
    });
    connect(m_year, &QSpinBox::valueChanged, this, &MonthJumpMenu::showMonthsOf);
}

void MonthJumpMenu::prepare(QDate month, const QLocale &locale, const Calendar &calendar)
{
    m_month = month;
    m_calendar = &calendar;
    setLocale(locale);
    m_year->setLocale(locale);
    const Calendar::Parts parts = calendar.partsFromDate(month);
    {
        const QSignalBlocker quiet(m_year);
        m_year->setRange(calendar.year(CalendarRange::first()),
                         calendar.year(CalendarRange::last()));
        m_year->setValue(parts.year);
    }
    showMonthsOf(parts.year);
    for (int index = 0; index < m_months.size(); ++index)
        m_months[index]->setChecked(index + 1 == parts.month);
    // Each opening starts in the month list, wherever the keys were left the last time: the year
    // field would otherwise keep the focus and take the arrow keys.
    m_year->clearFocus();
    setActiveAction(m_months[parts.month - 1]);
}

void MonthJumpMenu::showMonthsOf(int year)
{
    const int months = m_calendar->monthsInYear(year);
    while (m_months.size() > months)
        delete m_months.takeLast();
    while (m_months.size() < months) {
        const int month = int(m_months.size()) + 1;
        m_months << addAction(QString(), this, [this, month] {
            emit monthChosen(m_calendar->dateFromParts(m_year->value(), month, 1));
        });
        m_months.last()->setCheckable(true);
    }
    for (int index = 0; index < months; ++index)
        m_months[index]->setText(m_calendar->monthName(locale(), year, index + 1));
}
