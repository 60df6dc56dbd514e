// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finds and installs the translations.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <climits>

namespace {

QLocale::Language installedLanguage = QLocale::English;
const QString ownFolder = QStringLiteral(":/translations");

bool isPosixLocale(const QByteArray &name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

QTranslator *loaded(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        return translator;
    delete translator;
    return nullptr;
}

// Each of the program's texts that counts takes its English forms from a translation ("%1 day(s)"
// is "1 day", "2 days"), installed with the application object: every program of ours, tests
// too, writes English until a language is chosen, which then goes before it.
void installEnglish()
{
    QTranslator *english
            = loaded(QLocale(QLocale::English), QStringLiteral("daywright"), ownFolder);
    Q_ASSERT(english);
    QCoreApplication::installTranslator(english);
}
Q_COREAPP_STARTUP_FUNCTION(installEnglish)

} // namespace

QStringList Translations::languagesFromEnvironment()
{
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (isPosixLocale(messages))
        return {};
    return QLocale::system().uiLanguages();
}

QLocale::Language Translations::install(const QStringList &languages, bool withQtDialogs)
{
    for (const QString &language : languages) {
        // One language at a time, so that the first offered wins over a later one's region.
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            break;
        if (QTranslator *own = loaded(locale, QStringLiteral("daywright"), ownFolder)) {
            QCoreApplication::installTranslator(own);
            installedLanguage = QLocale(own->language()).language();
            break;
        }
    }
    if (withQtDialogs && installedLanguage != QLocale::English) {
        if (QTranslator *qt = loaded(QLocale(installedLanguage), QStringLiteral("qtbase"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    return installedLanguage;
}

QLocale::Language Translations::installed()
{
    return installedLanguage;
}

int pluralFormOf(qint64 count)
{
    return int(std::min<qint64>(qAbs(count), INT_MAX));
}
