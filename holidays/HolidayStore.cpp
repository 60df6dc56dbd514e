// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists, removes and loads the stored holiday calendars.
#include "HolidayStore.h"

#include "HolidayFile.h"
#include "ICalendarSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString suffix = QStringLiteral(".ics");

} // namespace

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
    return Imported {name, file.holidays(), file.skipped()};
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

std::vector<std::unique_ptr<HolidaySource>> HolidayStore::sources() const
{
    std::vector<std::unique_ptr<HolidaySource>> sources;
    for (const QString &name : names())
        sources.push_back(std::make_unique<ICalendarSource>(pathOf(name)));
    return sources;
}

HolidayStore::Loaded HolidayStore::load(const DateRange &range) const
{
    Loaded loaded;
    for (const std::unique_ptr<HolidaySource> &source : sources()) {
        const std::variant<Holidays, QString> read = source->holidaysWithin(range);
        if (const auto *reason = std::get_if<QString>(&read))
            loaded.skipped.append({source->name(), *reason});
        else
            loaded.calendars.insert(source->name(), std::get<Holidays>(read));
    }
    return loaded;
}

Holidays HolidayStore::merged(const QMap<QString, Holidays> &calendars) const
{
    Holidays all;
    for (const QString &name : names())
        all.merge(calendars.value(name));
    return all;
}
