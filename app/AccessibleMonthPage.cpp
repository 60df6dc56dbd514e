// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers' view of the page of months and its selected day.
#include "AccessibleMonthPage.h"

#include "MonthPage.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

class AccessibleSelectedDay : public QAccessibleInterface
{
public:
    explicit AccessibleSelectedDay(MonthPage *page)
        : m_page(page)
    { }

    bool isValid() const override { return m_page; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_page->window()->windowHandle(); }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_page);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_page->spokenSelection() : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const QRect cell = m_page->dayRect(m_page->selectedDate());
        return QRect(m_page->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = state.selectable = state.selected = true;
        state.focused = m_page->hasFocus();
        return state;
    }

private:
    QPointer<MonthPage> m_page;
};

class AccessibleMonthPage : public QAccessibleWidget
{
public:
    explicit AccessibleMonthPage(MonthPage *page)
        : QAccessibleWidget(page, QAccessible::List)
        , m_day(new AccessibleSelectedDay(page))
    {
        QAccessible::registerAccessibleInterface(m_day);
    }
    ~AccessibleMonthPage() override
    {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_day));
    }

    // The page has no child widgets: its one child is the selected day.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override { return index == 0 ? m_day : nullptr; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child == m_day ? 0 : -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? m_day : nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<MonthPage *>(widget())->spokenSelection();
        return QAccessibleWidget::text(kind);
    }

private:
    AccessibleSelectedDay *const m_day;
};

QAccessibleInterface *accessibleMonthPage(const QString &className, QObject *object)
{
    if (className == QLatin1String("MonthPage"))
        return new AccessibleMonthPage(static_cast<MonthPage *>(object));
    return nullptr;
}

} // namespace

void installAccessibleMonthPage()
{
    QAccessible::installFactory(accessibleMonthPage);
}
