// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Selection, paging, pointing and painting of the calendar's page of months.
#include "MonthPage.h"

#include "CalendarKeys.h"
#include "CalendarRange.h"
#include "CalendarTexts.h"
#include "DayContext.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

MonthPage::MonthPage(DayContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_todayShown(context.today().date())
{
    setObjectName(QStringLiteral("monthPage"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Today's outline moves on with the day, also while nothing else repaints.
    connect(&context.today(), &Today::dateChanged, this, [this](QDate day) {
        m_todayShown = day;
        update();
    });
    connect(&context, &DayContext::calendarChanged, this, &MonthPage::calendarChanged);
    connect(&context, &DayContext::holidaysChanged, this, qOverload<>(&QWidget::update));
    connect(&context, &DayContext::workingWeekChanged, this, qOverload<>(&QWidget::update));
    connect(&context, &DayContext::weekNumbersShownChanged, this, [this] {
        m_painter.textsChanged(); // the weekday names have narrower columns
        update();
    });

    m_selected = std::clamp(m_todayShown, CalendarRange::first(), CalendarRange::last());
    showPageStartingAt(m_selected);
}

MonthGrid MonthPage::grid() const
{
    return MonthGrid(rect(), m_firstMonth, locale().firstDayOfWeek(), m_monthsShown,
                     m_context.weekNumbersShown(), m_context.calendar(), layoutDirection());
}

QDate MonthPage::firstOfMonth(QDate date) const
{
    return m_context.calendar().firstOfMonth(date);
}

// The months shown, the paging and the keys follow the calendar; the selection stays.
void MonthPage::calendarChanged()
{
    m_painter.textsChanged();
    // The page starts with the month that holds the day it started with, and turns as little as
    // it takes to show the selection.
    const QDate start = m_firstMonth;
    m_firstMonth = QDate();
    showPageStartingAt(start);
    setSelectedDate(m_selected);
}

void MonthPage::setSelectedDate(QDate date)
{
    const QDate chosen = std::clamp(date, CalendarRange::first(), CalendarRange::last());
    // Turn the page as little as it takes to show the chosen month.
    if (chosen < m_firstMonth)
        showPageStartingAt(chosen);
    else if (chosen >= m_context.calendar().addMonths(m_firstMonth, monthsPerPage()))
        showPageStartingAt(m_context.calendar().addMonths(chosen, 1 - monthsPerPage()));
    if (chosen == m_selected)
        return;
    update(dayRect(m_selected));
    m_selected = chosen;
    update(dayRect(m_selected));
    announceSelection();
}

void MonthPage::showPageStartingAt(QDate month)
{
    // The first page starts with the month that holds 1 January 1753, the last ends with the one
    // that holds 31 December 9999.
    const QDate lastPageStart = m_context.calendar().addMonths(firstOfMonth(CalendarRange::last()),
                                                               1 - monthsPerPage());
    const QDate start
            = std::clamp(firstOfMonth(month), firstOfMonth(CalendarRange::first()), lastPageStart);
    if (start == m_firstMonth)
        return;
    m_firstMonth = start;
    update();
    emit pageChanged(start);
}

void MonthPage::setMonthsShown(int across, int down)
{
    m_monthsShown = QSize(std::clamp(across, 1, int(MonthGrid::maximumMonthColumns)),
                          std::clamp(down, 1, int(MonthGrid::maximumMonthRows)));
    const QDate start = m_firstMonth;
    m_firstMonth = QDate(); // the page ends elsewhere now: lay it out anew
    showPageStartingAt(start);
    setSelectedDate(m_selected);
}

void MonthPage::setSpan(const CalendarSpan &span)
{
    if (span == m_span)
        return;
    // Only the days whose shading or mark changed are repainted.
    QRegion changed = spanRegion(m_span).xored(spanRegion(span));
    if (span.firstDate != m_span.firstDate)
        changed += dayRect(m_span.firstDate).united(dayRect(span.firstDate));
    m_span = span;
    update(changed);
}

QRegion MonthPage::spanRegion(const CalendarSpan &span) const
{
    const QDate first = std::min(span.from, span.to);
    const QDate last = std::max(span.from, span.to);
    if (!first.isValid())
        return QRegion();
    const MonthGrid months = grid();
    const QDate pageEnd = m_context.calendar().addMonths(m_firstMonth, monthsPerPage());
    QRegion region;
    for (QDate day = std::max(first, m_firstMonth); day <= last && day < pageEnd;
         day = day.addDays(1))
        region += months.dayRect(day);
    return region;
}

void MonthPage::highlight(QDate day)
{
    if (day == m_highlighted)
        return;
    m_highlighted = day;
    emit highlighted(day);
}

QString MonthPage::spokenSelection() const
{
    const bool weekNumbers = m_context.weekNumbersShown();
    return CalendarTexts(locale(), m_context.calendar())
            .spokenDay(m_selected,
                       weekNumbers ? std::optional(
                               MonthGrid::weekNumberOf(m_selected, locale().firstDayOfWeek()))
                                   : std::nullopt,
                       m_context.holidays().names(m_selected));
}

// Screen readers hear the new day as the page's value, as its one item's name, and where the
// page has the focus, as that item's focus.
void MonthPage::announceSelection()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent valueChanged(this, spokenSelection());
    QAccessible::updateAccessibility(&valueChanged);
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    nameChanged.setChild(0);
    QAccessible::updateAccessibility(&nameChanged);
    if (hasFocus()) {
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(0);
        QAccessible::updateAccessibility(&focused);
    }
}

void MonthPage::mouseMoveEvent(QMouseEvent *event)
{
    if (const QDate day = grid().dateAt(event->position().toPoint()); CalendarRange::contains(day))
        highlight(day);
    QWidget::mouseMoveEvent(event);
}

void MonthPage::leaveEvent(QEvent *event)
{
    highlight(QDate());
    QWidget::leaveEvent(event);
}

void MonthPage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const MonthGrid months = grid();
    const QPoint point = event->position().toPoint();
    if (const int title = months.titleAt(point); title >= 0) {
        emit monthJumpRequested(months.month(title),
                                mapToGlobal(months.titleRect(title).bottomLeft()));
        return;
    }
    // A double click arrives as a second press and release, and so picks a second time.
    // Days before 1753 or after 9999 on the first and last pages are shown, but not picked.
    const QDate date = months.dateAt(point);
    if (!CalendarRange::contains(date))
        return QWidget::mouseReleaseEvent(event);
    setSelectedDate(date);
    emit activated(date);
}

void MonthPage::keyPressEvent(QKeyEvent *event)
{
    const std::optional<CalendarCommand> command
            = CalendarKeys::command(event->keyCombination(), layoutDirection());
    if (command == CalendarCommand::Pick) {
        // The pick is the day the user sees selected, even after paging away from it.
        setSelectedDate(m_selected);
        emit activated(m_selected);
    } else if (const std::optional<QDate> target = command
                       ? CalendarKeys::moved(m_selected, *command, m_context.calendar())
                       : std::nullopt) {
        setSelectedDate(*target);
        highlight(m_selected);
    } else {
        // The calendar around the page handles the rest.
        QWidget::keyPressEvent(event);
    }
}

void MonthPage::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(dayRect(m_selected));
    // After Qt has told assistive technology of the page's focus, tell it of the day's.
    QMetaObject::invokeMethod(this, &MonthPage::announceSelection, Qt::QueuedConnection);
}

void MonthPage::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(dayRect(m_selected));
}

bool MonthPage::event(QEvent *event)
{
    // Shown, or its window active again, perhaps after a suspend that outlasted midnight: a day
    // that has turned is announced, and the outline follows. (Qt tells every widget of the window
    // of WindowActivate, but only the window itself of ActivationChange.)
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        m_context.today().date();
    // Over a holiday its names, a line each, elsewhere the calendar's own tip. The names come from
    // files, and a tip renders a text that looks like markup as such: they go escaped, in a
    // paragraph that keeps their lines as a plain tip would.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QStringList names = m_context.holidays().names(grid().dateAt(help->pos()));
        if (!names.isEmpty()) {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("<p style='white-space:pre'>%1</p>")
                                       .arg(names.join(u'\n').toHtmlEscaped()),
                               this);
            return true;
        }
    }
    return QWidget::event(event);
}

void MonthPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange) {
        m_painter.textsChanged();
        update();
    }
    QWidget::changeEvent(event);
}

void MonthPage::resizeEvent(QResizeEvent *event)
{
    m_painter.textsChanged(); // the weekday names may need another length
    QWidget::resizeEvent(event);
}

void MonthPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_painter.paint(painter, grid(),
                    {.selected = m_selected,
                     .today = m_todayShown,
                     .span = m_span,
                     .holidays = &m_context.holidays(),
                     .workingWeek = m_context.workingWeek(),
                     .weekNumbers = m_context.weekNumbersShown()});
}
