#include "CalendarTitleBar.h"

#include "CalendarRange.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace {

QToolButton *makeArrowButton(const QString &arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    // A text arrow: no image to load at start-up.
    button->setText(arrow);
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
    , m_previous(makeArrowButton(QStringLiteral("\u25C0"), tr("Previous month"), this))
    , m_month(new QToolButton(this))
    , m_monthMenu(new QMenu(m_month))
    , m_year(new QSpinBox(this))
    , m_lastMonth(new QLabel(this))
    , m_next(makeArrowButton(QStringLiteral("\u25B6"), tr("Next month"), this))
{
    m_month->setAutoRaise(true);
    m_month->setFocusPolicy(Qt::NoFocus);
    m_month->setPopupMode(QToolButton::InstantPopup);
    m_month->setAccessibleName(tr("First month shown"));
    m_month->setMenu(m_monthMenu);
    // The month names are needed only once the menu opens.
    connect(m_monthMenu, &QMenu::aboutToShow, this, &CalendarTitleBar::fillMonthMenu);

    m_year->setRange(CalendarRange::first().year(), CalendarRange::last().year());
    m_year->setFrame(false);
    m_year->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFocusPolicy(Qt::ClickFocus);
    m_year->setAccessibleName(tr("Year of the first month shown"));

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
            [this] { emit pageRequested(m_firstMonth.addMonths(-1)); });
    connect(m_next, &QToolButton::clicked, this,
            [this] { emit pageRequested(m_firstMonth.addMonths(1)); });
    connect(m_year, &QSpinBox::valueChanged, this,
            [this](int year) { emit pageRequested(QDate(year, m_firstMonth.month(), 1)); });
}

void CalendarTitleBar::showPage(QDate firstMonth, QDate lastMonth)
{
    m_firstMonth = firstMonth;
    m_month->setText(locale().standaloneMonthName(firstMonth.month()));
    const QSignalBlocker quiet(m_year);
    m_year->setValue(firstMonth.year());
    m_lastMonth->setText(QStringLiteral("\u2013 ") + locale().standaloneMonthName(lastMonth.month())
                         + u' ' + QString::number(lastMonth.year()));
    m_previous->setEnabled(firstMonth > CalendarRange::first());
    m_next->setEnabled(lastMonth.addMonths(1) <= CalendarRange::last());
}

void CalendarTitleBar::fillMonthMenu()
{
    if (!m_monthMenu->isEmpty())
        return;
    for (int month = 1; month <= 12; ++month) {
        m_monthMenu->addAction(locale().standaloneMonthName(month), this, [this, month] {
            emit pageRequested(QDate(m_firstMonth.year(), month, 1));
        });
    }
}
