// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Holds the calendar's parts together: pages through the title bar, the wheel and the month
// jump, and takes the keys that reach beyond the days.
#include "MonthCalendar.h"

#include "AccessibleMonthPage.h"
#include "CalendarKeys.h"
#include "CalendarRange.h"
#include "CalendarSystem.h"
#include "CalendarTexts.h"
#include "CalendarTitleBar.h"
#include "DayContext.h"
#include "MonthJumpMenu.h"
#include "MonthPage.h"
#include "SpanSummary.h"

#include <QKeyEvent>
#include <QVBoxLayout>

// Screen readers see the page through an interface of its own, registered as the application
// starts, as Qt registers its own widgets' interfaces.
Q_COREAPP_STARTUP_FUNCTION(installAccessibleMonthPage)

MonthCalendar::MonthCalendar(DayContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_titleBar(new CalendarTitleBar(this))
    , m_page(new MonthPage(context, this))
    , m_summary(new SpanSummary(this))
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // The names and digits are the region's, the widgets' locale for every part; the months run
    // in the direction of the program's language.
    setLocale(context.regions().dates);
    connect(&context, &DayContext::regionsChanged, this,
            [this] { setLocale(m_context.regions().dates); });
    // The calendar is one stop in the window's tab order: the page of months.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_page);
    //: What screen readers call the twelve-month calendar.
    m_page->setAccessibleName(tr("Calendar"));
    QStringList keys;
    for (const auto &[names, action] : CalendarKeys::descriptions())
        keys << names + QStringLiteral(": ") + action;
    m_page->setAccessibleDescription(keys.join(u' '));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_page);
    layout->addWidget(m_summary);
    // The wheel pages the calendar wherever it is turned over it, the year box included, which
    // would otherwise turn its year back when the calendar goes forward.
    for (QWidget *part : findChildren<QWidget *>())
        part->installEventFilter(this);

    connect(m_page, &MonthPage::activated, this, &MonthCalendar::activated);
    connect(m_page, &MonthPage::highlighted, this, &MonthCalendar::highlighted);
    connect(m_page, &MonthPage::pageChanged, this, [this](QDate firstMonth) {
        showTitle();
        emit currentPageChanged(firstMonth);
    });
    connect(m_page, &MonthPage::monthJumpRequested, this, &MonthCalendar::openMonthJump);
    connect(m_titleBar, &CalendarTitleBar::pageRequested, m_page, &MonthPage::showPageStartingAt);
    connect(m_titleBar, &CalendarTitleBar::monthJumpRequested, this,
            [this] { openMonthJump(m_page->firstMonth(), m_titleBar->monthJumpPosition()); });
    connect(m_titleBar, &CalendarTitleBar::editingDone, this,
            [this] { m_page->setFocus(Qt::OtherFocusReason); });
    showTitle();
}

QDate MonthCalendar::selectedDate() const
{
    return m_page->selectedDate();
}

void MonthCalendar::setSelectedDate(QDate date)
{
    m_page->setSelectedDate(date);
}

void MonthCalendar::pick(QDate date)
{
    m_page->setSelectedDate(date);
    emit activated(m_page->selectedDate());
}

void MonthCalendar::setMonthsShown(int across, int down)
{
    m_page->setMonthsShown(across, down);
}

int MonthCalendar::titleAndSummaryHeight() const
{
    // The layout gives the two their preferred heights and the page of months the rest.
    return m_titleBar->sizeHint().height() + m_summary->sizeHint().height();
}

void MonthCalendar::setSpan(const CalendarSpan &span)
{
    m_page->setSpan(span);
}

void MonthCalendar::setSpanSummary(const QString &text)
{
    m_summary->setSummary(text);
}

void MonthCalendar::showTitle()
{
    const QDate first = m_page->firstMonth();
    const Calendar &calendar = m_context.calendar();
    m_titleBar->showPage(first, calendar.addMonths(first, m_page->monthsPerPage() - 1),
                         CalendarTexts(locale(), calendar));
}

void MonthCalendar::openMonthJump(QDate month, QPoint position)
{
    if (!m_monthJump) {
        m_monthJump = new MonthJumpMenu(this);
        connect(m_monthJump, &MonthJumpMenu::monthChosen, this, [this](QDate chosen) {
            m_page->showPageStartingAt(m_context.calendar().addMonths(chosen, -m_monthJumpIndex));
        });
    }
    const Calendar &calendar = m_context.calendar();
    m_monthJumpIndex = calendar.monthsBetween(m_page->firstMonth(), month);
    m_monthJump->prepare(month, locale(), calendar);
    m_monthJump->popup(position);
}

void MonthCalendar::keyPressEvent(QKeyEvent *event)
{
    // The page of months moves and picks; these keys reach the calendar's other parts.
    const std::optional<CalendarCommand> command = CalendarKeys::command(event->keyCombination());
    if (command == CalendarCommand::OpenMonthMenu)
        openMonthJump(m_page->firstMonth(), m_titleBar->monthJumpPosition());
    else if (command == CalendarCommand::EditYear)
        m_titleBar->editYear();
    else if (command == CalendarCommand::CopySpanSummary)
        m_summary->copy();
    else if (command == CalendarCommand::OpenCalendarMenu)
        openMenuAtSelection();
    else
        QWidget::keyPressEvent(event);
}

// From the keyboard the menu opens on the selected day, as a pointer's would under the pointer.
void MonthCalendar::openMenuAtSelection()
{
    const QPoint day = m_page->dayRect(m_page->selectedDate()).center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, m_page->mapTo(this, day),
                           m_page->mapToGlobal(day));
    QCoreApplication::sendEvent(this, &menu);
}

void MonthCalendar::turnPages(const QWheelEvent &wheel)
{
    // Where only pixels come, a row of days counts as a notch. Turning down goes forward in time.
    const int notches = m_wheel.add(wheel, m_page->dayRect(m_page->firstMonth()).height());
    if (notches != 0)
        m_page->showPageStartingAt(m_context.calendar().addMonths(m_page->firstMonth(), -notches));
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QWidget::eventFilter(watched, event);
    turnPages(*static_cast<QWheelEvent *>(event));
    return true;
}

bool MonthCalendar::event(QEvent *event)
{
    // The menu's actions are the calendar's; the day it opens on is where they start.
    if (event->type() == QEvent::ContextMenu) {
        const QPoint position = static_cast<QContextMenuEvent *>(event)->pos();
        const QDate day = m_page->dateAt(m_page->mapFrom(this, position));
        m_menuDate = CalendarRange::contains(day) ? day : QDate();
    }
    return QWidget::event(event);
}

void MonthCalendar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        showTitle();
    QWidget::changeEvent(event);
}
