// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonthCalendar.h"

#include "AccessibleMonthCalendar.h"
#include "CalendarRange.h"
#include "CalendarTitleBar.h"
#include "MonthJumpMenu.h"
#include "ReadableColour.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int wheelNotch = 120; // QWheelEvent's angle delta of one notch

QDate firstOfMonth(QDate date)
{
    return QDate(date.year(), date.month(), 1);
}

// The next day's start, a second late so that the clock has surely turned.
int msecsToNextDay()
{
    const QDateTime now = QDateTime::currentDateTime();
    return int(now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000);
}

} // namespace

MonthCalendar::MonthCalendar(std::function<QDate()> today, QWidget *parent)
    : QWidget(parent)
    , m_today(std::move(today))
    , m_titleBar(new CalendarTitleBar(this))
    , m_summary(new QLabel(this))
    , m_texts(locale())
{
    installAccessibleMonthCalendar();

    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // The grid is drawn left to right in every region; so is the title over it.
    setLayoutDirection(Qt::LeftToRight);
    setAccessibleName(tr("Calendar"));
    setAccessibleDescription(
            tr("Arrow keys move the selection, Page Up and Page Down by a month, with Control by a "
               "year; Return picks the day. Alt+M opens the month menu, Alt+Y the year box."));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_titleBar);
    layout->addStretch();
    // The span's summary under the months, copied whole from its menu. (Selectable text would
    // double the cost of every change of it.)
    auto *copy = new QAction(tr("Copy"), m_summary);
    connect(copy, &QAction::triggered, this, &MonthCalendar::copySpanSummary);
    m_summary->addAction(copy);
    m_summary->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_summary->setAlignment(Qt::AlignCenter);
    // Its text is its accessible name, so that screen readers hear every new span.
    m_summary->setAccessibleDescription(tr("The span of days shaded on the calendar"));
    m_summary->setObjectName(QStringLiteral("spanSummary"));
    layout->addWidget(m_summary);
    setMouseTracking(true);
    connect(m_titleBar, &CalendarTitleBar::pageRequested, this, &MonthCalendar::showPageStartingAt);
    connect(m_titleBar, &CalendarTitleBar::monthJumpRequested, this,
            [this] { openMonthJump(0, m_titleBar->monthJumpPosition()); });
    connect(m_titleBar, &CalendarTitleBar::editingDone, this,
            [this] { setFocus(Qt::OtherFocusReason); });

    // Today's outline moves on at midnight, also while nothing else repaints.
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, &MonthCalendar::refreshToday);

    const QDate start = m_today();
    m_todayShown = start;
    m_selected = CalendarRange::contains(start) ? start : CalendarRange::first();
    showPageStartingAt(m_selected);
}

MonthGrid MonthCalendar::grid() const
{
    const QRect area = rect().adjusted(0, m_titleBar->sizeHint().height(), 0,
                                       -m_summary->sizeHint().height());
    return MonthGrid(area, m_pageStart, locale().firstDayOfWeek(), m_monthRows);
}

QString MonthCalendar::spanSummaryText() const
{
    return m_summary->text();
}

void MonthCalendar::copySpanSummary() const
{
    QGuiApplication::clipboard()->setText(m_summary->text());
}

int MonthCalendar::heightBesideMonths() const
{
    return m_titleBar->sizeHint().height() + m_summary->sizeHint().height();
}

void MonthCalendar::setSpan(const CalendarSpan &span)
{
    // A new span may mark or unmark its anchor: repaint the old and the new days whole.
    update(spanRegion());
    m_span = span;
    update(spanRegion());
    refreshSummary();
}

// The span as counted, from its anchor (or the answer's first date) to its other end.
std::pair<QDate, QDate> MonthCalendar::countedSpan() const
{
    if (m_span.anchor.isValid() && m_pointed.isValid())
        return {m_span.anchor, m_pointed};
    return {m_span.answerFrom, m_span.answerTo};
}

QRegion MonthCalendar::spanRegion() const
{
    const auto [from, to] = countedSpan();
    const QDate first = std::min(from, to);
    const QDate last = std::max(from, to);
    const MonthGrid months = grid();
    QRegion region;
    if (m_span.anchorMarked)
        region += months.dayRect(m_span.anchor);
    if (!first.isValid())
        return region;
    const QDate pageEnd = m_pageStart.addMonths(months.monthsPerPage());
    for (QDate day = std::max(first, m_pageStart); day <= last && day < pageEnd;
         day = day.addDays(1))
        region += months.dayRect(day);
    return region;
}

void MonthCalendar::pointAt(QDate day)
{
    if (day == m_pointed)
        return;
    // Only the days whose shading changed are repainted.
    const QRegion before = spanRegion();
    m_pointed = day;
    update(before.xored(spanRegion()));
    refreshSummary();
}

void MonthCalendar::refreshSummary()
{
    const auto [from, to] = countedSpan();
    m_summary->setText(from.isValid() ? spanSummary(from, to, locale()) : QString());
}

void MonthCalendar::setMonthRows(int rows)
{
    m_monthRows = std::clamp(rows, 1, int(MonthGrid::maximumMonthRows));
    const QDate start = m_pageStart;
    m_pageStart = QDate(); // the page ends elsewhere now: lay it out anew
    showPageStartingAt(start);
    select(m_selected);
}

bool MonthCalendar::setValue(QDate date)
{
    if (!CalendarRange::contains(date))
        return false;
    select(date);
    return true;
}

void MonthCalendar::select(QDate date)
{
    const QDate chosen = std::clamp(date, CalendarRange::first(), CalendarRange::last());
    const int monthsPerPage = grid().monthsPerPage();
    // Turn the page as little as it takes to show the chosen month.
    if (chosen < m_pageStart)
        showPageStartingAt(chosen);
    else if (chosen >= m_pageStart.addMonths(monthsPerPage))
        showPageStartingAt(chosen.addMonths(1 - monthsPerPage));
    if (chosen == m_selected)
        return;
    update(dayRect(m_selected));
    m_selected = chosen;
    update(dayRect(m_selected));
    announceSelection();
}

void MonthCalendar::showPageStartingAt(QDate month)
{
    const int monthsPerPage = grid().monthsPerPage();
    // The first page starts in January 1753 and the last ends in December 9999.
    const QDate lastPageStart = firstOfMonth(CalendarRange::last()).addMonths(1 - monthsPerPage);
    const QDate start = std::clamp(firstOfMonth(month), CalendarRange::first(), lastPageStart);
    if (start == m_pageStart)
        return;
    m_pageStart = start;
    m_titleBar->showPage(start, start.addMonths(monthsPerPage - 1), m_texts);
    update();
}

void MonthCalendar::openMonthJump(int index, QPoint position)
{
    if (!m_monthJump) {
        m_monthJump = new MonthJumpMenu(this);
        connect(m_monthJump, &MonthJumpMenu::monthChosen, this,
                [this](QDate month) { showPageStartingAt(month.addMonths(-m_monthJumpIndex)); });
    }
    m_monthJumpIndex = index;
    m_monthJump->prepare(m_pageStart.addMonths(index), locale());
    m_monthJump->popup(position);
}

void MonthCalendar::announceSelection()
{
    if (QAccessible::isActive())
        announceSelectedDate(this);
}

void MonthCalendar::refreshToday()
{
    const QDate today = m_today();
    if (today != m_todayShown) {
        m_todayShown = today;
        update();
    }
    m_midnight.start(msecsToNextDay());
}

void MonthCalendar::mouseMoveEvent(QMouseEvent *event)
{
    if (const QDate day = grid().dateAt(event->position().toPoint()); day.isValid())
        pointAt(day);
    QWidget::mouseMoveEvent(event);
}

void MonthCalendar::leaveEvent(QEvent *event)
{
    pointAt(QDate());
    QWidget::leaveEvent(event);
}

void MonthCalendar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const MonthGrid months = grid();
    const QPoint point = event->position().toPoint();
    if (const int title = months.titleAt(point); title >= 0)
        return openMonthJump(title, mapToGlobal(months.titleRect(title).bottomLeft()));
    // A double click arrives as a second press and release, and so picks a second time.
    const QDate date = months.dateAt(point);
    if (!date.isValid())
        return QWidget::mouseReleaseEvent(event);
    select(date);
    emit dateClicked();
}

void MonthCalendar::keyPressEvent(QKeyEvent *event)
{
    const bool byYear = event->modifiers() & Qt::ControlModifier;
    if (event->modifiers() & Qt::AltModifier) {
        if (event->key() == Qt::Key_M)
            return openMonthJump(0, m_titleBar->monthJumpPosition());
        if (event->key() == Qt::Key_Y)
            return m_titleBar->editYear();
    }
    QDate target;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        // The pick is the day the user sees selected, even after paging away from it.
        select(m_selected);
        emit dateClicked();
        return;
    case Qt::Key_Left:
        target = m_selected.addDays(-1);
        break;
    case Qt::Key_Right:
        target = m_selected.addDays(1);
        break;
    case Qt::Key_Up:
        target = m_selected.addDays(-7);
        break;
    case Qt::Key_Down:
        target = m_selected.addDays(7);
        break;
    case Qt::Key_PageUp:
        target = byYear ? m_selected.addYears(-1) : m_selected.addMonths(-1);
        break;
    case Qt::Key_PageDown:
        target = byYear ? m_selected.addYears(1) : m_selected.addMonths(1);
        break;
    case Qt::Key_Home:
        target = firstOfMonth(m_selected);
        break;
    case Qt::Key_End:
        target = firstOfMonth(m_selected).addMonths(1).addDays(-1);
        break;
    default:
        if (event->matches(QKeySequence::Copy))
            return copySpanSummary();
        return QWidget::keyPressEvent(event);
    }
    select(target);
    pointAt(m_selected);
}

void MonthCalendar::wheelEvent(QWheelEvent *event)
{
    // Touchpads and fine wheels send fractions of a notch; they add up, as in Qt's own scrolling
    // widgets. Where only pixels come, a row of days counts as a notch.
    const bool pixels = event->angleDelta().isNull();
    const int notch = pixels ? std::max(1, dayRect(m_pageStart).height()) : wheelNotch;
    const QPoint delta = pixels ? event->pixelDelta() : event->angleDelta();
    const int turn = delta.y() != 0 ? delta.y() : delta.x();
    // A turn the other way starts afresh.
    if ((turn > 0) != (m_wheelRest > 0) || pixels != m_wheelInPixels)
        m_wheelRest = 0;
    m_wheelInPixels = pixels;
    m_wheelRest += turn;
    const int notches = m_wheelRest / notch;
    m_wheelRest -= notches * notch;
    // Turning down goes forward in time.
    if (notches != 0)
        showPageStartingAt(m_pageStart.addMonths(-notches));
    event->accept();
}

void MonthCalendar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(dayRect(m_selected));
    // After Qt has told assistive technology of the calendar's focus, tell it of the day's.
    QMetaObject::invokeMethod(this, &MonthCalendar::announceSelection, Qt::QueuedConnection);
}

void MonthCalendar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(dayRect(m_selected));
}

void MonthCalendar::showEvent(QShowEvent *event)
{
    // Shown again, perhaps after a suspend that outlasted midnight.
    refreshToday();
    QWidget::showEvent(event);
}

void MonthCalendar::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LocaleChange:
        m_texts = CalendarTexts(locale());
        m_titleBar->showPage(m_pageStart, m_pageStart.addMonths(grid().monthsPerPage() - 1),
                             m_texts);
        m_textsPrepared = false;
        break;
    case QEvent::FontChange:
        m_textsPrepared = false;
        break;
    case QEvent::ActivationChange:
        if (isActiveWindow())
            refreshToday();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void MonthCalendar::resizeEvent(QResizeEvent *event)
{
    m_textsPrepared = false; // the weekday names may need another length
    QWidget::resizeEvent(event);
}

void MonthCalendar::prepareTexts(const MonthGrid &months)
{
    if (m_textsPrepared)
        return;
    m_textsPrepared = true;
    const auto prepared = [this](const QString &text) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.prepare(QTransform(), font());
        return staticText;
    };
    for (int day = 1; day <= 31; ++day)
        m_dayNumbers[day - 1] = prepared(m_texts.number(day));
    std::array<Qt::DayOfWeek, 7> days;
    for (int column = 0; column < 7; ++column)
        days[column] = months.weekdayInColumn(column);
    const std::array<QString, 7> names
            = m_texts.weekdayNames(days, QFontMetricsF(font()), months.weekdayRect(0, 0).width());
    for (int column = 0; column < 7; ++column)
        m_weekdayNames[column] = prepared(names[column]);
}

namespace {

void drawCentred(QPainter &painter, const QRect &cell, const QStaticText &text)
{
    const QSizeF size = text.size();
    painter.drawStaticText(QPointF(cell.x() + (cell.width() - size.width()) / 2,
                                   cell.y() + (cell.height() - size.height()) / 2),
                           text);
}

// A frame of the given width just inside the rectangle.
void drawFrame(QPainter &painter, const QRect &rect, const QColor &colour, int width)
{
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

} // namespace

void MonthCalendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const MonthGrid months = grid();
    prepareTexts(months);
    for (int index = 0; index < months.monthsPerPage(); ++index)
        paintMonth(painter, months, index);
}

void MonthCalendar::paintMonth(QPainter &painter, const MonthGrid &months, int index) const
{
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QColor base = palette().color(group, QPalette::Base);
    const QColor highlight = palette().color(group, QPalette::Highlight);
    const QColor highlightedText = palette().color(group, QPalette::HighlightedText);
    const QDate first = months.month(index);

    const QRect title = months.titleRect(index);
    const QColor titleBackground = palette().color(group, QPalette::AlternateBase);
    painter.fillRect(title, titleBackground);
    painter.setPen(readableOn(palette().color(group, QPalette::Text), titleBackground));
    painter.drawText(title, Qt::AlignCenter, m_texts.monthTitle(first));

    painter.setPen(readableOn(palette().color(group, QPalette::PlaceholderText), base));
    for (int column = 0; column < 7; ++column)
        drawCentred(painter, months.weekdayRect(index, column), m_weekdayNames[column]);

    // The span is shaded with a tint of the selection's colour; every colour drawn on it is
    // made to read on it.
    const QColor spanShade = blended(base, highlight, 0.3);
    const auto [from, to] = countedSpan();
    const QDate spanFirst = std::min(from, to);
    const QDate spanLast = std::max(from, to);
    const QList<Qt::DayOfWeek> workingDays = locale().weekdays();
    const QColor text = palette().color(group, QPalette::Text);
    const QColor rest(200, 0, 0);
    const QColor workingDay[] = {readableOn(text, base), readableOn(text, spanShade)};
    const QColor restDay[] = {readableOn(rest, base), readableOn(rest, spanShade)};
    for (QDate day = first; day.month() == first.month(); day = day.addDays(1)) {
        const QRect cell = months.dayRect(day);
        const bool inSpan = spanFirst.isValid() && day >= spanFirst && day <= spanLast;
        if (inSpan)
            painter.fillRect(cell, spanShade);
        QColor number = workingDays.contains(Qt::DayOfWeek(day.dayOfWeek())) ? workingDay[inSpan]
                                                                             : restDay[inSpan];
        const bool selected = day == m_selected;
        if (selected) {
            painter.fillRect(cell, highlight);
            number = highlightedText;
            if (hasFocus()) {
                painter.setPen(QPen(highlightedText, 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(3, 3, -4, -4));
            }
        }
        // Today keeps its outline on the selection too: a ring in the selection's text colour.
        if (day == m_todayShown && selected)
            drawFrame(painter, cell.adjusted(1, 1, -1, -1), highlightedText, 1);
        else if (day == m_todayShown)
            drawFrame(painter, cell, highlight, 2);
        // The first date of a pair: a bar along the foot of its cell.
        if (m_span.anchorMarked && day == m_span.anchor)
            painter.fillRect(cell.left() + 3, cell.bottom() - 2, cell.width() - 6, 3,
                             selected ? highlightedText : highlight);
        painter.setPen(number);
        drawCentred(painter, cell, m_dayNumbers[day.day() - 1]);
    }
}
