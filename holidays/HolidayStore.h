// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The user's holiday calendars, kept as copies in the user's data folder.
#pragma once

#include "HolidayFile.h"
#include "Holidays.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <variant>

// Each calendar is stored whole, as the iCalendar file it was imported from, under its name:
// moving or changing the original changes nothing. Every write goes through a temporary file
// that replaces the stored one only once complete, so that a crash mid-import leaves the previous
// state whole.
class HolidayStore
{
    Q_DECLARE_TR_FUNCTIONS(HolidayStore)

public:
    // $XDG_DATA_HOME/daywright/holidays by default.
    explicit HolidayStore(const QString &folder = defaultFolder());
    static QString defaultFolder();

    struct Imported
    {
        QString name;
        qsizetype days = 0;
        int skippedEvents = 0;

        // "national: 12 holiday days, 3 events skipped"
        QString summary() const;
    };
    // Reads the file and stores a copy under its base name, replacing a calendar of that name;
    // a refused file changes nothing, and the answer says why.
    std::variant<Imported, QString> import(const QString &path) const;

    QStringList names() const;
    bool contains(const QString &name) const { return names().contains(name); }
    // False where no calendar has the name, or it cannot be removed.
    bool remove(const QString &name) const;

    struct Loaded
    {
        Holidays holidays;
        QStringList skipped; // "name: why", one for each calendar that can no longer be read
    };
    // Every stored calendar, merged, within the range. One that can no longer be read is skipped
    // and left in place.
    Loaded load(const DateRange &range = {}) const;

private:
    QString pathOf(const QString &name) const;

    QString m_folder;
};
