#include "MonthCalendar.h"

#include "CalendarRange.h"
#include "CalendarTitleBar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QDate firstOfMonth(QDate date)
{
    return QDate(date.year(), date.month(), 1);
}

// The first page starts in January 1753 and the last ends in December 9999.
QDate clampedPageStart(QDate month)
{
    const QDate lastPageStart
            = firstOfMonth(CalendarRange::last()).addMonths(1 - MonthGrid::monthsPerPage);
    return std::clamp(firstOfMonth(month), CalendarRange::first(), lastPageStart);
}

QString spokenDate(const MonthCalendar *calendar)
{
    return calendar->locale().toString(calendar->value(), QLocale::LongFormat);
}

// Tells assistive technology the selected date as the calendar's value.
class AccessibleMonthCalendar : public QAccessibleWidget
{
public:
    explicit AccessibleMonthCalendar(MonthCalendar *calendar)
        : QAccessibleWidget(calendar, QAccessible::Client)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return spokenDate(static_cast<MonthCalendar *>(widget()));
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleMonthCalendar(const QString &className, QObject *object)
{
    if (className == QLatin1String("MonthCalendar"))
        return new AccessibleMonthCalendar(static_cast<MonthCalendar *>(object));
    return nullptr;
}

} // namespace

MonthCalendar::MonthCalendar(std::function<QDate()> today, QWidget *parent)
    : QWidget(parent)
    , m_today(std::move(today))
    , m_titleBar(new CalendarTitleBar(this))
{
    static const bool accessibleFactoryInstalled
            = (QAccessible::installFactory(accessibleMonthCalendar), true);
    Q_UNUSED(accessibleFactoryInstalled);

    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAccessibleName(tr("Calendar"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_titleBar);
    layout->addStretch();
    connect(m_titleBar, &CalendarTitleBar::pageRequested, this, &MonthCalendar::showPageStartingAt);

    const QDate start = m_today();
    m_selected = CalendarRange::contains(start) ? start : CalendarRange::first();
    showPageStartingAt(m_selected);
}

MonthGrid MonthCalendar::grid() const
{
    const QRect area = rect().adjusted(0, m_titleBar->sizeHint().height(), 0, 0);
    return MonthGrid(area, m_pageStart, locale().firstDayOfWeek());
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
    const QDate lastShown = m_pageStart.addMonths(MonthGrid::monthsPerPage);
    // Turn the page as little as it takes to show the chosen month.
    if (chosen < m_pageStart)
        showPageStartingAt(chosen);
    else if (chosen >= lastShown)
        showPageStartingAt(chosen.addMonths(1 - MonthGrid::monthsPerPage));
    if (chosen == m_selected)
        return;
    m_selected = chosen;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, spokenDate(this));
        QAccessible::updateAccessibility(&changed);
    }
}

void MonthCalendar::showPageStartingAt(QDate month)
{
    const QDate start = clampedPageStart(month);
    if (start == m_pageStart)
        return;
    m_pageStart = start;
    m_titleBar->showPage(start, start.addMonths(MonthGrid::monthsPerPage - 1));
    update();
}

void MonthCalendar::mouseReleaseEvent(QMouseEvent *event)
{
    // A double click arrives as a second press and release, and so picks a second time.
    const QDate date = grid().dateAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !date.isValid())
        return QWidget::mouseReleaseEvent(event);
    select(date);
    emit dateClicked();
}

void MonthCalendar::keyPressEvent(QKeyEvent *event)
{
    const bool byYear = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        emit dateClicked();
        return;
    case Qt::Key_Left:
        return select(m_selected.addDays(-1));
    case Qt::Key_Right:
        return select(m_selected.addDays(1));
    case Qt::Key_Up:
        return select(m_selected.addDays(-7));
    case Qt::Key_Down:
        return select(m_selected.addDays(7));
    case Qt::Key_PageUp:
        return select(byYear ? m_selected.addYears(-1) : m_selected.addMonths(-1));
    case Qt::Key_PageDown:
        return select(byYear ? m_selected.addYears(1) : m_selected.addMonths(1));
    case Qt::Key_Home:
        return select(firstOfMonth(m_selected));
    case Qt::Key_End:
        return select(firstOfMonth(m_selected).addMonths(1).addDays(-1));
    default:
        QWidget::keyPressEvent(event);
    }
}

void MonthCalendar::wheelEvent(QWheelEvent *event)
{
    const int months = -event->angleDelta().y() / 120;
    if (months != 0)
        showPageStartingAt(m_pageStart.addMonths(months));
    event->accept();
}

void MonthCalendar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        m_textsPrepared = false;
    QWidget::changeEvent(event);
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
        m_dayNumbers[day - 1] = prepared(QString::number(day));
    const bool shortNamesFit = fontMetrics().horizontalAdvance(QStringLiteral("Wed"))
            < months.weekdayRect(0, 0).width();
    for (int column = 0; column < 7; ++column) {
        m_weekdayNames[column] = prepared(
                locale().dayName(months.weekdayInColumn(column),
                                 shortNamesFit ? QLocale::ShortFormat : QLocale::NarrowFormat));
    }
}

void MonthCalendar::resizeEvent(QResizeEvent *event)
{
    m_textsPrepared = false; // the weekday names may need another length
    QWidget::resizeEvent(event);
}

namespace {

void drawCentred(QPainter &painter, const QRect &cell, const QStaticText &text)
{
    const QSizeF size = text.size();
    painter.drawStaticText(QPointF(cell.x() + (cell.width() - size.width()) / 2,
                                   cell.y() + (cell.height() - size.height()) / 2),
                           text);
}

} // namespace

void MonthCalendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const MonthGrid months = grid();
    prepareTexts(months);
    const QDate today = m_today();
    for (int index = 0; index < MonthGrid::monthsPerPage; ++index)
        paintMonth(painter, months, index, today);
}

void MonthCalendar::paintMonth(QPainter &painter, const MonthGrid &months, int index,
                               QDate today) const
{
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QDate first = months.month(index);

    const QRect title = months.titleRect(index);
    painter.fillRect(title, palette().color(group, QPalette::AlternateBase));
    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawText(title, Qt::AlignCenter,
                     locale().standaloneMonthName(first.month()) + u' '
                             + QString::number(first.year()));

    painter.setPen(palette().color(group, QPalette::PlaceholderText));
    for (int column = 0; column < 7; ++column)
        drawCentred(painter, months.weekdayRect(index, column), m_weekdayNames[column]);

    const QList<Qt::DayOfWeek> workingDays = locale().weekdays();
    for (QDate day = first; day.month() == first.month(); day = day.addDays(1)) {
        const QRect cell = months.dayRect(day);
        QColor text = workingDays.contains(Qt::DayOfWeek(day.dayOfWeek()))
                ? palette().color(group, QPalette::Text)
                : QColor(200, 0, 0);
        if (day == m_selected) {
            painter.fillRect(cell, palette().color(group, QPalette::Highlight));
            text = palette().color(group, QPalette::HighlightedText);
        }
        if (day == today) {
            painter.setPen(palette().color(group, QPalette::Highlight));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
        painter.setPen(text);
        drawCentred(painter, cell, m_dayNumbers[day.day() - 1]);
    }
}
