// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's title row and its paging controls.
#include "CalendarTitleBar.h"

#include "CalendarRange.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace {

// A text arrow, drawn once the page shows: no image to load at start-up.
QToolButton *makeArrowButton(const char *objectName, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRaise(true);
    button->setAutoRepeat(true);
    // The calendar is one stop in the window's tab order; its own parts take no focus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

CalendarTitleBar::CalendarTitleBar(QWidget *parent)
    : QWidget(parent)
    //: Tooltip and spoken name of the calendar's back arrow.
    , m_previous(makeArrowButton("previousMonth", tr("Previous month"), this))
    , m_month(new QToolButton(this))
    , m_year(new QSpinBox(this))
    , m_lastMonth(new QLabel(this))
    //: Tooltip and spoken name of the calendar's forward arrow.
    , m_next(makeArrowButton("nextMonth", tr("Next month"), this))
{
    setObjectName(QStringLiteral("titleBar"));
    m_month->setObjectName(QStringLiteral("firstMonthShown"));
    m_month->setAutoRaise(true);
    m_month->setFocusPolicy(Qt::NoFocus);
    //: Tooltip of the first month's name in the calendar's title: it opens a menu of months.
    m_month->setAccessibleDescription(tr("Moves quickly to another month or year"));

    m_year->setObjectName(QStringLiteral("yearShown"));
    m_year->setFrame(false);
    m_year->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFocusPolicy(Qt::ClickFocus);
    //: Spoken name of the year box in the calendar's title.
    m_year->setAccessibleName(tr("Year of the first month shown"));
    m_lastMonth->setObjectName(QStringLiteral("lastMonthShown"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_previous);
    layout->addStretch();
    layout->addWidget(m_month);
    layout->addWidget(m_year);
    layout->addWidget(m_lastMonth);
    layout->addStretch();
    layout->addWidget(m_next);

    connect(m_previous, &QToolButton::clicked, this,
            [this] { emit pageRequested(m_calendar->addMonths(m_firstMonth, -1)); });
    connect(m_next, &QToolButton::clicked, this,
            [this] { emit pageRequested(m_calendar->addMonths(m_firstMonth, 1)); });
    connect(m_month, &QToolButton::clicked, this, &CalendarTitleBar::monthJumpRequested);
    // The same month by name in the year typed.
    connect(m_year, &QSpinBox::valueChanged, this, [this](int year) {
        emit pageRequested(
                m_calendar->addYears(m_firstMonth, year - m_calendar->year(m_firstMonth)));
    });
}

void CalendarTitleBar::showPage(QDate firstMonth, QDate lastMonth, const CalendarTexts &texts)
{
    m_firstMonth = firstMonth;
    m_calendar = &texts.calendar();
    const Calendar::Parts first = m_calendar->partsFromDate(firstMonth);
    const QString monthName = texts.monthName(first.year, first.month);
    m_month->setText(monthName);
    //: Spoken name of the month button in the calendar's title. %1: the month's name.
    m_month->setAccessibleName(tr("%1, first month shown").arg(monthName));
    const QSignalBlocker quiet(m_year);
    m_year->setRange(m_calendar->year(CalendarRange::first()),
                     m_calendar->year(CalendarRange::last()));
    m_year->setValue(first.year);
    // In the direction of the months below it, whatever the script of the month's name; so point
    // the arrows, the previous page's to the side the months come from.
    const bool rightToLeft = isRightToLeft();
    m_lastMonth->setText((rightToLeft ? u'\u200F' : u'\u200E') + QStringLiteral("\u2013 ")
                         + texts.monthTitle(lastMonth));
    m_previous->setText(rightToLeft ? QStringLiteral("\u25B6") : QStringLiteral("\u25C0"));
    m_next->setText(rightToLeft ? QStringLiteral("\u25C0") : QStringLiteral("\u25B6"));
    m_previous->setEnabled(firstMonth > CalendarRange::first());
    m_next->setEnabled(m_calendar->addMonths(lastMonth, 1) <= CalendarRange::last());
}

QPoint CalendarTitleBar::monthJumpPosition() const
{
    return m_month->mapToGlobal(m_month->rect().bottomLeft());
}

void CalendarTitleBar::editYear()
{
    m_year->setFocus(Qt::ShortcutFocusReason);
    m_year->selectAll();
}

void CalendarTitleBar::keyPressEvent(QKeyEvent *event)
{
    // The year box leaves Return, Enter and Escape to its parents; none of them may reach the
    // calendar's own keys, where Return picks a day.
    switch (event->key()) {
    case Qt::Key_Escape: {
        const QSignalBlocker quiet(m_year);
        m_year->setValue(m_calendar->year(m_firstMonth));
        emit editingDone();
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit editingDone();
        break;
    default:
        break;
    }
    event->accept();
}
