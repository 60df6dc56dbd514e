// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's holidays: reading the stored calendars, importing iCalendar files and removing
// stored calendars.
#pragma once

#include "HolidayStore.h"

#include <QAction>
#include <QMenu>
#include <QObject>

class DayContext;

// The stored calendars are read once the window's first frame is painted: that frame does not
// need them, and a few milliseconds later they are there. "Import holidays…" opens a file dialog,
// and iCalendar files dropped on the window are imported too. A name already stored is replaced,
// and a stored calendar removed, only once the user agrees; a refused file is named with its
// reason and changes nothing. "Days off in NAME…", one for each calendar read, chooses which of
// its events count. Each change gives the context the holidays that count of every calendar kept.
class HolidayActions : public QObject
{
    Q_OBJECT

public:
    HolidayActions(const HolidayStore &store, DayContext &context, QWidget *dialogParent);

    // Into the menu the widget shows (with Qt::ActionsContextMenu): the actions, and the days
    // off of each calendar once the store is read.
    void addTo(QWidget *menu);
    void importFiles(const QStringList &paths);

signals:
    // For the summary line: a calendar skipped at start, or what an import gave.
    void message(const QString &text);

private:
    void readStore();
    void updateContext();
    void fillRemoveMenu();
    void offerDaysOff();
    void chooseDaysOff(const QString &name);
    bool confirm(const QString &title, const QString &question) const;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const HolidayStore &m_store;
    DayContext &m_context;
    QWidget *const m_dialogParent;
    QAction *const m_import;
    QMenu m_remove;
    QWidget *m_menu = nullptr;
    QList<QAction *> m_daysOff; // "Days off in NAME…", in the order of the store
    QMap<QString, Holidays> m_calendars; // the kept calendars as read, each once, by name
    bool m_storeRead = false;
};
