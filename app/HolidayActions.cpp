// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports and removes holiday calendars from the window, asking before anything is replaced.
#include "HolidayActions.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

HolidayActions::HolidayActions(const HolidayStore &store, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_store(store)
    , m_dialogParent(dialogParent)
    , m_import(new QAction(tr("Import holidays…"), this))
    , m_remove(tr("Remove holidays"))
{
    connect(m_import, &QAction::triggered, this, [this] {
        importFiles(QFileDialog::getOpenFileNames(m_dialogParent, tr("Import holidays"), QString(),
                                                  tr("iCalendar files (*.ics)")));
    });
    connect(&m_remove, &QMenu::aboutToShow, this, &HolidayActions::fillRemoveMenu);
    // Shown, with its calendars, only while some are stored.
    m_remove.menuAction()->setVisible(!m_store.names().isEmpty());
    connect(this, &HolidayActions::holidaysChanged, this,
            [this] { m_remove.menuAction()->setVisible(!m_store.names().isEmpty()); });
}

void HolidayActions::fillRemoveMenu()
{
    m_remove.clear();
    for (const QString &name : m_store.names()) {
        m_remove.addAction(name, this, [this, name] {
            if (m_store.remove(name))
                emit holidaysChanged();
        });
    }
}

void HolidayActions::importFiles(const QStringList &paths)
{
    QStringList refused, summaries;
    for (const QString &path : paths) {
        const QString name = QFileInfo(path).completeBaseName();
        if (m_store.contains(name)
            && QMessageBox::question(m_dialogParent, tr("Import holidays"),
                                     tr("Replace the holiday calendar “%1”?").arg(name))
                    != QMessageBox::Yes)
            continue;
        const auto result = m_store.import(path);
        if (const auto *reason = std::get_if<QString>(&result))
            refused << tr("%1: %2").arg(QFileInfo(path).fileName(), *reason);
        else
            summaries << std::get<HolidayStore::Imported>(result).summary();
    }
    if (!summaries.isEmpty()) {
        emit holidaysChanged();
        emit imported(summaries.join(QStringLiteral("; ")));
    }
    if (!refused.isEmpty())
        QMessageBox::warning(m_dialogParent, tr("Import holidays"),
                             tr("Not imported, nothing changed:\n%1").arg(refused.join(u'\n')));
}
