// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Working week" submenu: the days counted as working days.
#pragma once

#include <QMenu>

class DayContext;

// "As the region says", then the seven days in the region's order and names, each checked while
// it is a working day. A change goes to the context, and the checks follow the context's week;
// unchecking the last working day is refused, with the reason said.
class WorkingWeekMenu : public QMenu
{
    Q_OBJECT

public:
    explicit WorkingWeekMenu(DayContext &context, QWidget *parent = nullptr);

signals:
    // Why a change was refused, for the summary line.
    void message(const QString &text);

private:
    void addDays();
    void showWeek();
    void toggle(Qt::DayOfWeek day, bool working);

    DayContext &m_context;
    QAction *const m_regions;
};
