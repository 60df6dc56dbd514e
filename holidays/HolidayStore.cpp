// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Imports, lists, removes and loads the stored holiday calendars.
#include "HolidayStore.h"

#include "HolidayFile.h"
#include "ICalendarSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>

namespace {

const QString suffix = QStringLiteral(".ics");
// Beside national.ics, national.days-off.json: {"notCounted": ["Valentine's Day"]}.
const QString choiceSuffix = QStringLiteral(".days-off.json");
const QString notCountedKey = QStringLiteral("notCounted");

} // namespace

HolidayStore::HolidayStore(const QString &folder)
    : m_folder(folder)
{ }

QString HolidayStore::defaultFolder()
{
    // Qt reads a relative XDG_DATA_HOME as unset, and HOME unset as the root folder.
    if (!QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME"))
        && QDir(QDir::homePath()).isRoot())
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/holidays");
}

QString HolidayStore::pathOf(const QString &name) const
{
    return m_folder + u'/' + name + suffix;
}

QString HolidayStore::choicePathOf(const QString &name) const
{
    return m_folder + u'/' + name + choiceSuffix;
}

std::variant<HolidayStore::Imported, QString> HolidayStore::import(const QString &path) const
{
    const QString name = QFileInfo(path).completeBaseName();
    if (const QString why = whyUnusable(name); !why.isEmpty())
        return why;
    if (m_folder.isEmpty())
        //: Why a holiday file is not stored. Keep HOME and XDG_DATA_HOME as they are.
        return tr("there is no folder to keep it in without a home folder: set HOME or "
                  "XDG_DATA_HOME");
    const std::variant<QByteArray, QString> read = HolidayFile::readText(path);
    if (const auto *why = std::get_if<QString>(&read))
        return *why;
    const QByteArray &text = std::get<QByteArray>(read);
    const HolidayFile file = HolidayFile::fromText(text);
    if (file.isRefused())
        return file.refusal();
    if (const QString why = keep(pathOf(name), text); !why.isEmpty())
        return why;
    return Imported {name, file.holidays(), counted(name, file.holidays()).dayCount(),
                     file.skipped()};
}

// The calendar's name is its file's, and what lists and removes it is a line of text.
QString HolidayStore::whyUnusable(const QString &name)
{
    if (name.isEmpty())
        //: Why a holiday file is not stored: its name is only the .ics ending. Keep national.ics as
        //: an example file name.
        return tr("its name leaves the calendar nameless: rename it, as national.ics");
    if (name.startsWith(u'.'))
        //: Why a holiday file is not stored: a name beginning with a dot is hidden on Linux.
        return tr("its name begins with a dot, which would hide the calendar: rename it");
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        //: Why a holiday file is not stored: its name holds an invisible character.
        return tr("its name holds a control character: rename it");
    return {};
}

QString HolidayStore::keep(const QString &path, const QByteArray &text) const
{
    if (!QDir().mkpath(m_folder)) {
        const QString systemSays = qt_error_string(errno);
        //: Why a holiday file is not stored. %1: the folder; %2: the system's reason.
        return tr("the folder %1 cannot be made: %2")
                .arg(m_folder, obstacle(systemSays, text.size()));
    }
    QSaveFile copy(path);
    const auto cannotWrite = [&](const QString &systemSays) {
        //: Why a holiday file is not stored. %1: the file; %2: the system's reason.
        return tr("%1 cannot be written: %2")
                .arg(copy.fileName(), obstacle(systemSays, text.size()));
    };
    if (!copy.open(QIODevice::WriteOnly))
        return cannotWrite(copy.errorString());
    // Qt 6.4 commits a copy whose buffered bytes could not all be written, and calls a short
    // write an "Unknown error": every byte is flushed and checked first, the system's reason taken
    // at once, and a copy never committed is discarded.
    if (copy.write(text) != text.size() || !copy.flush())
        return cannotWrite(qt_error_string(errno));
    if (!copy.commit())
        return cannotWrite(copy.errorString());
    return {};
}

// The system's words name no path ("Not a directory" for a file where a folder should be), and Qt
// may give none: the nearest folder is looked at first, as a user would look at it.
QString HolidayStore::obstacle(const QString &systemSays, qsizetype bytes) const
{
    QFileInfo folder(m_folder);
    while (!folder.exists() && !folder.isRoot())
        folder.setFile(folder.absolutePath());
    const QString where = folder.absoluteFilePath();
    if (!folder.isDir())
        //: Why a holiday file is not stored. %1: the path in the way.
        return tr("%1 is a file, not a folder").arg(where);
    if (!folder.isWritable())
        //: Why a holiday file is not stored. %1: the folder.
        return tr("the folder %1 is read-only").arg(where);
    if (const QStorageInfo disk(where); disk.isValid() && disk.bytesAvailable() < bytes)
        //: Why a holiday file is not stored. %1: the folder.
        return tr("the disk that holds %1 is full").arg(where);
    return systemSays;
}

QStringList HolidayStore::names() const
{
    QStringList names;
    if (m_folder.isEmpty())
        return names;
    const QDir folder(m_folder);
    for (const QString &entry : folder.entryList({u'*' + suffix}, QDir::Files, QDir::Name))
        names << entry.chopped(suffix.size());
    return names;
}

bool HolidayStore::remove(const QString &name) const
{
    if (!names().contains(name) || !QFile::remove(pathOf(name)))
        return false;
    // Left behind, it would choose for a later calendar of the same name.
    QFile::remove(choicePathOf(name));
    return true;
}

std::variant<QSet<QString>, QString> HolidayStore::notCounted(const QString &name) const
{
    QFile file(choicePathOf(name));
    if (!file.exists())
        return QSet<QString>(); // never chosen: every event counts
    if (!file.open(QIODevice::ReadOnly))
        //: Why a calendar's choice of days off is not used; %1: its file, %2: what the system says
        return tr("%1 cannot be read: %2").arg(file.fileName(), file.errorString());
    const QJsonValue listed = QJsonDocument::fromJson(file.readAll()).object().value(notCountedKey);
    const QJsonArray names = listed.toArray();
    const auto isName = [](const QJsonValue &each) { return each.isString(); };
    if (!listed.isArray() || !std::all_of(names.begin(), names.end(), isName))
        //: Why a calendar's choice of days off is not used; %1: its file
        return tr("%1 is damaged").arg(file.fileName());
    QSet<QString> chosen;
    for (const QJsonValue &each : names)
        chosen.insert(each.toString());
    return chosen;
}

QString HolidayStore::setNotCounted(const QString &name, const QSet<QString> &names) const
{
    QStringList listed(names.cbegin(), names.cend());
    listed.sort(); // the same choice, the same file
    const QJsonObject choice {{notCountedKey, QJsonArray::fromStringList(listed)}};
    return keep(choicePathOf(name), QJsonDocument(choice).toJson());
}

Holidays HolidayStore::counted(const QString &name, const Holidays &holidays) const
{
    const auto choice = notCounted(name);
    const auto *names = std::get_if<QSet<QString>>(&choice);
    return names ? holidays.without(*names) : holidays;
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
        if (const auto choice = notCounted(source->name()); std::holds_alternative<QString>(choice))
            loaded.unreadChoices.append({source->name(), std::get<QString>(choice)});
    }
    return loaded;
}

Holidays HolidayStore::merged(const QMap<QString, Holidays> &calendars) const
{
    Holidays all;
    for (const QString &name : names())
        all.merge(counted(name, calendars.value(name)));
    return all;
}
