// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The user's holiday calendars, kept as copies in the user's data folder.
#pragma once

#include "CalendarRange.h"
#include "HolidaySource.h"
#include "Holidays.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <variant>
#include <vector>

// Each calendar is stored whole, as the iCalendar file it was imported from, under its name:
// moving or changing the original changes nothing. Every write goes through a temporary file
// that replaces the stored one only once complete, so that a crash mid-import leaves the previous
// state whole. What the store did is told as data; the words for it are the program's texts'.
class HolidayStore
{
    Q_DECLARE_TR_FUNCTIONS(HolidayStore)

public:
    // $XDG_DATA_HOME/daywright/holidays by default. An empty folder is none: the store then
    // lists nothing and refuses to keep anything.
    explicit HolidayStore(const QString &folder = defaultFolder());
    // None without a home folder (HOME unset, as for some services), where Qt would put the
    // user's data under the file-system root.
    static QString defaultFolder();

    struct Imported
    {
        QString name;
        Holidays holidays; // all of them, read from the file once
        qint64 daysOff = 0; // the holiday days that count, by the calendar's kept choice
        QStringList skipped; // the events that gave no holiday, and why
    };
    // Reads the file and stores a copy under its base name, replacing a calendar of that name;
    // a refused file changes nothing, and the answer says why: the file, its name, or the folder
    // and what stood in the way of writing there.
    std::variant<Imported, QString> import(const QString &path) const;

    QStringList names() const;
    bool contains(const QString &name) const { return names().contains(name); }
    // False where no calendar has the name, or it cannot be removed. Its choice of days off goes
    // with it.
    bool remove(const QString &name) const;

    // The event names (SUMMARY) of a calendar that are no days off, as the user chose them, or why
    // the choice cannot be read. The choice is kept beside the calendar and outlives an import of
    // the same name: a name the new file lacks does nothing, a new one counts.
    std::variant<QSet<QString>, QString> notCounted(const QString &name) const;
    // Why the choice cannot be kept, or nothing.
    QString setNotCounted(const QString &name, const QSet<QString> &names) const;
    // A calendar's holidays less those it does not count; all of them where its choice cannot be
    // read.
    Holidays counted(const QString &name, const Holidays &holidays) const;

    // The kept calendars, by name.
    std::vector<std::unique_ptr<HolidaySource>> sources() const;

    struct Skipped
    {
        QString name;
        QString reason;
    };
    struct Loaded
    {
        QMap<QString, Holidays> calendars; // by name
        QList<Skipped> skipped; // each calendar that can no longer be read
        QList<Skipped> unreadChoices; // each calendar whose choice of days off cannot be read
    };
    // Every kept calendar's holidays within the range, counted or not. One that can no longer be
    // read is skipped and left in place.
    Loaded load(const DateRange &range = {}) const;
    // The calendars' holidays that count together, a day that two make a holiday counted once,
    // with both names in the order the store lists the calendars.
    Holidays merged(const QMap<QString, Holidays> &calendars) const;

private:
    QString pathOf(const QString &name) const;
    QString choicePathOf(const QString &name) const;
    // Why a file's base name makes no calendar name the store can list and remove, or nothing.
    static QString whyUnusable(const QString &name);
    // Writes the file whole or not at all; why not, or nothing.
    QString keep(const QString &path, const QByteArray &text) const;
    // What keeps bytes from being written in the folder, else what the system said.
    QString obstacle(const QString &systemSays, qsizetype bytes) const;

    QString m_folder;
};
