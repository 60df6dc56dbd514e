// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar's holiday commands: importing iCalendar files and removing stored calendars.
#pragma once

#include "HolidayStore.h"

#include <QAction>
#include <QMenu>
#include <QObject>

// "Import holidays…" opens a file dialog; dropped files come through importFiles() too. A name
// already stored is replaced only once the user agrees; a refused file is named with its reason
// and changes nothing.
class HolidayActions : public QObject
{
    Q_OBJECT

public:
    HolidayActions(const HolidayStore &store, QWidget *dialogParent);

    QList<QAction *> actions() const { return {m_import, m_remove.menuAction()}; }
    void importFiles(const QStringList &paths);

signals:
    // The stored calendars changed: read them again.
    void holidaysChanged();
    // What the last import gave: "national: 12 holiday days, 3 events skipped", one per file.
    void imported(const QString &summary);

private:
    void fillRemoveMenu();

    const HolidayStore &m_store;
    QWidget *const m_dialogParent;
    QAction *const m_import;
    QMenu m_remove;
};
