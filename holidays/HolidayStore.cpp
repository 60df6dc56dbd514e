// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists, removes and loads the stored holiday calendars.
#include "HolidayStore.h"

#include "HolidayFile.h"
#include "ResultTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString suffix = QStringLiteral(".ics");

} // namespace

QString HolidayStore::Imported::summary() const
{
    return tr("%1: %2, %3")
            .arg(name, counted(days, tr("%1 holiday day"), tr("%1 holiday days")),
                 counted(skippedEvents, tr("%1 event skipped"), tr("%1 events skipped")));
}

HolidayStore::HolidayStore(const QString &folder)
    : m_folder(folder)
{ }

QString HolidayStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/holidays");
}

QString HolidayStore::pathOf(const QString &name) const
{
    return m_folder + u'/' + name + suffix;
}

std::variant<HolidayStore::Imported, QString> HolidayStore::import(const QString &path) const
{
    const std::variant<QByteArray, QString> read = HolidayFile::readText(path);
    if (const auto *why = std::get_if<QString>(&read))
        return *why;
    const QByteArray &text = std::get<QByteArray>(read);
    const HolidayFile file = HolidayFile::fromText(text);
    if (file.isRefused())
        return file.refusal();

    const QString name = QFileInfo(path).completeBaseName();
    QSaveFile copy(pathOf(name));
    if (!QDir().mkpath(m_folder) || !copy.open(QIODevice::WriteOnly)
        || copy.write(text) != text.size() || !copy.commit())
        return tr("it cannot be stored in %1 (%2)").arg(m_folder, copy.errorString());
    return Imported {name, file.holidays().dayCount(), file.skippedEvents()};
}

QStringList HolidayStore::names() const
{
    QStringList names;
    const QDir folder(m_folder);
    for (const QString &entry : folder.entryList({u'*' + suffix}, QDir::Files, QDir::Name))
        names << entry.chopped(suffix.size());
    return names;
}

bool HolidayStore::remove(const QString &name) const
{
    return names().contains(name) && QFile::remove(pathOf(name));
}

HolidayStore::Loaded HolidayStore::load(const DateRange &range) const
{
    Loaded loaded;
    for (const QString &name : names()) {
        const HolidayFile file = HolidayFile::fromFile(pathOf(name), range);
        if (file.isRefused())
            loaded.skipped << tr("%1: %2").arg(name, file.refusal());
        else
            loaded.holidays.merge(file.holidays());
    }
    return loaded;
}
