// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleMonthCalendar.h"

#include "MonthCalendar.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

QString spokenDate(const MonthCalendar *calendar)
{
    return calendar->locale().toString(calendar->value(), QLocale::LongFormat);
}

class AccessibleSelectedDay : public QAccessibleInterface
{
public:
    explicit AccessibleSelectedDay(MonthCalendar *calendar)
        : m_calendar(calendar)
    { }

    bool isValid() const override { return m_calendar; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_calendar->window()->windowHandle(); }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_calendar);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? spokenDate(m_calendar) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const QRect cell = m_calendar->dayRect(m_calendar->value());
        return QRect(m_calendar->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = state.selectable = state.selected = true;
        state.focused = m_calendar->hasFocus();
        return state;
    }

private:
    QPointer<MonthCalendar> m_calendar;
};

class AccessibleMonthCalendar : public QAccessibleWidget
{
public:
    explicit AccessibleMonthCalendar(MonthCalendar *calendar)
        : QAccessibleWidget(calendar, QAccessible::List)
        , m_day(new AccessibleSelectedDay(calendar))
    {
        QAccessible::registerAccessibleInterface(m_day);
    }
    ~AccessibleMonthCalendar() override
    {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_day));
    }

    // The selected day comes first, then the title bar.
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? m_day : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == m_day)
            return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : index + 1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? m_day : QAccessibleWidget::focusChild();
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return spokenDate(static_cast<MonthCalendar *>(widget()));
        return QAccessibleWidget::text(kind);
    }

private:
    AccessibleSelectedDay *const m_day;
};

QAccessibleInterface *accessibleMonthCalendar(const QString &className, QObject *object)
{
    if (className == QLatin1String("MonthCalendar"))
        return new AccessibleMonthCalendar(static_cast<MonthCalendar *>(object));
    return nullptr;
}

} // namespace

void installAccessibleMonthCalendar()
{
    static const bool installed = (QAccessible::installFactory(accessibleMonthCalendar), true);
    Q_UNUSED(installed);
}

void announceSelectedDate(MonthCalendar *calendar)
{
    QAccessibleValueChangeEvent valueChanged(calendar, spokenDate(calendar));
    QAccessible::updateAccessibility(&valueChanged);
    QAccessibleEvent nameChanged(calendar, QAccessible::NameChanged);
    nameChanged.setChild(0);
    QAccessible::updateAccessibility(&nameChanged);
    if (calendar->hasFocus()) {
        QAccessibleEvent focused(calendar, QAccessible::Focus);
        focused.setChild(0);
        QAccessible::updateAccessibility(&focused);
    }
}
