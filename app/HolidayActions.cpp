// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports and removes holiday calendars from the window, asking before anything is replaced
// or removed.
#include "HolidayActions.h"

#include "DayContext.h"
#include "DaysOffDialog.h"
#include "HolidayTexts.h"

#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

HolidayActions::HolidayActions(const HolidayStore &store, DayContext &context,
                               QWidget *dialogParent)
    : QObject(dialogParent)
    , m_store(store)
    , m_context(context)
    , m_dialogParent(dialogParent)
    //: The calendar's menu: imports holiday calendars from iCalendar files. Opens a dialog.
    , m_import(new QAction(tr("Import holidays…"), this))
    //: The calendar's menu: the submenu listing the stored holiday calendars, each removed when
    //: chosen.
    , m_remove(tr("Remove holidays"))
{
    connect(m_import, &QAction::triggered, this, [this] {
        //: The file dialog's title.
        importFiles(QFileDialog::getOpenFileNames(m_dialogParent, tr("Import holidays"), QString(),
                                                  //: The file dialog's filter: keep (*.ics) as it
                                                  //: is.
                                                  tr("iCalendar files (*.ics)")));
    });
    connect(&m_remove, &QMenu::aboutToShow, this, &HolidayActions::fillRemoveMenu);
    m_dialogParent->setAcceptDrops(true);
    m_dialogParent->installEventFilter(this);
}

namespace {

// The local iCalendar files among what is dragged over the window.
QStringList calendarFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile()
            && url.fileName().endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

// What a message reports on reaches the context first: the message then stays on the summary
// line until the span is next summed up.
void HolidayActions::readStore()
{
    const HolidayStore::Loaded read = m_store.load();
    m_calendars = read.calendars;
    updateContext();
    QStringList skipped, reports;
    for (const HolidayStore::Skipped &calendar : read.skipped)
        skipped << HolidayTexts::refused(calendar.name, calendar.reason);
    if (!skipped.isEmpty())
        reports << HolidayTexts::skippedCalendars(skipped);
    for (const HolidayStore::Skipped &choice : read.unreadChoices)
        reports << HolidayTexts::unreadChoice(choice.name, choice.reason);
    if (!reports.isEmpty())
        emit message(reports.join(QStringLiteral("; ")));
}

void HolidayActions::addTo(QWidget *menu)
{
    m_menu = menu;
    menu->addActions({m_import, m_remove.menuAction()});
}

void HolidayActions::updateContext()
{
    // The removal menu is shown, with its calendars, only while some are stored.
    m_remove.menuAction()->setVisible(!m_store.names().isEmpty());
    offerDaysOff();
    m_context.setHolidays(m_store.merged(m_calendars));
}

// Only a calendar read has events to choose from.
void HolidayActions::offerDaysOff()
{
    qDeleteAll(m_daysOff);
    m_daysOff.clear();
    if (!m_menu)
        return;
    for (const QString &name : m_store.names()) {
        if (!m_calendars.contains(name))
            continue;
        //: In the calendar's menu, opening the choice of days off; %1: a holiday calendar's name
        auto *action = new QAction(
                tr("Days off in %1…").arg(QString(name).replace(u'&', QLatin1String("&&"))), this);
        connect(action, &QAction::triggered, this, [this, name] { chooseDaysOff(name); });
        m_menu->insertAction(m_remove.menuAction(), action);
        m_daysOff << action;
    }
}

// A choice that cannot be read counts every event, as the window has said since it read the
// store; keeping a new choice replaces it.
void HolidayActions::chooseDaysOff(const QString &name)
{
    const auto kept = m_store.notCounted(name);
    const auto *notCounted = std::get_if<QSet<QString>>(&kept);
    DaysOffDialog dialog(name, m_calendars.value(name).eventNames(),
                         notCounted ? *notCounted : QSet<QString>(), m_context.regions().dates,
                         m_dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const QString why = m_store.setNotCounted(name, dialog.notCounted()); !why.isEmpty()) {
        //: A message box's text; %1: a holiday calendar's name, %2: why
        QMessageBox box(
                QMessageBox::Warning, dialog.windowTitle(),
                tr("The days off in “%1” cannot be kept, nothing changed: %2").arg(name, why),
                QMessageBox::Ok, m_dialogParent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    m_context.setHolidays(m_store.merged(m_calendars));
}

bool HolidayActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_storeRead) {
        m_storeRead = true;
        QTimer::singleShot(0, this, &HolidayActions::readStore);
    }
    if (event->type() == QEvent::DragEnter) {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (!calendarFiles(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = calendarFiles(drop->mimeData());
        drop->acceptProposedAction();
        // After the drop has ended: the import may ask before replacing a calendar.
        QMetaObject::invokeMethod(
                this, [this, files] { importFiles(files); }, Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Nothing stored is lost on a stray Return: the safe answer is the default. The name, from a
// file, shows as written.
bool HolidayActions::confirm(const QString &title, const QString &question) const
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    m_dialogParent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void HolidayActions::fillRemoveMenu()
{
    m_remove.clear();
    for (const QString &name : m_store.names()) {
        // A name is shown as written: an "&" in it is no mnemonic.
        m_remove.addAction(QString(name).replace(u'&', QLatin1String("&&")), this, [this, name] {
            //: A question before a stored holiday calendar is removed. %1: its name.
            if (confirm(tr("Remove holidays"), tr("Remove the holiday calendar “%1”?").arg(name))
                && m_store.remove(name)) {
                m_calendars.remove(name);
                updateContext();
            }
        });
    }
}

void HolidayActions::importFiles(const QStringList &paths)
{
    QStringList refused, summaries;
    for (const QString &path : paths) {
        const QString name = QFileInfo(path).completeBaseName();
        if (m_store.contains(name)
            //: A question when an imported file has the name of a stored holiday calendar. %1: that
            //: name.
            && !confirm(tr("Import holidays"), tr("Replace the holiday calendar “%1”?").arg(name)))
            continue;
        const auto result = m_store.import(path);
        if (const auto *reason = std::get_if<QString>(&result)) {
            refused << HolidayTexts::refused(QFileInfo(path).fileName(), *reason);
            continue;
        }
        const auto &imported = std::get<HolidayStore::Imported>(result);
        m_calendars.insert(imported.name, imported.holidays);
        summaries << HolidayTexts::imported(imported.name, imported.daysOff, imported.skipped);
    }
    if (!summaries.isEmpty()) {
        updateContext();
        emit message(summaries.join(QStringLiteral("; ")));
    }
    if (!refused.isEmpty()) {
        // File names and reasons show as written, never as markup.
        QMessageBox box(QMessageBox::Warning, tr("Import holidays"),
                        //: A warning when files could not be imported. %1: each file's name with
                        //: why, one per line.
                        tr("Not imported, nothing changed:\n%1").arg(refused.join(u'\n')),
                        QMessageBox::Ok, m_dialogParent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}
