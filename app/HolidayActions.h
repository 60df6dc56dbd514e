// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's holidays: reading the stored calendars, importing iCalendar files and removing
// stored calendars.
#pragma once

#include "HolidayStore.h"

#include <QAction>
#include <QMenu>
#include <QObject>

// The stored calendars are read once the window's first frame is painted: that frame does not
// need them, and a few milliseconds later they are there. "Import holidays…" opens a file dialog,
// and iCalendar files dropped on the window are imported too. A name already stored is replaced
// only once the user agrees; a refused file is named with its reason and changes nothing.
class HolidayActions : public QObject
{
    Q_OBJECT

public:
    HolidayActions(const HolidayStore &store, QWidget *dialogParent);

    QList<QAction *> actions() const { return {m_import, m_remove.menuAction()}; }
    void importFiles(const QStringList &paths);

signals:
    // The stored calendars were read, at start or after a change.
    void holidaysRead(const Holidays &holidays);
    // Said where the span is summed up: a calendar skipped at start, or what an import gave.
    void message(const QString &text);

private:
    void fillRemoveMenu();
    void read();
    bool eventFilter(QObject *watched, QEvent *event) override;

    const HolidayStore &m_store;
    QWidget *const m_dialogParent;
    QAction *const m_import;
    QMenu m_remove;
    bool m_read = false;
};
