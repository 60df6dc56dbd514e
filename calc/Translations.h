// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: its own translations, built in, and Qt's for its dialogs.
#pragma once

#include <QLocale>
#include <QStringList>

namespace Translations {

// The user's languages in the order of preference, as every desktop program reads them:
// LANGUAGE's list, else the messages locale; none where the messages locale is C or POSIX,
// which asks for the program's own untranslated texts, as gettext does even with LANGUAGE set.
QStringList languagesFromEnvironment();

// Installs on the application the program's translation for the first of the languages it is
// offered in, with Qt's own dialogs also Qt's translation for the same language; English stays
// where none is offered, or English comes first. The language chosen.
QLocale::Language install(const QStringList &languages, bool withQtDialogs);

// The language installed last; English before any.
QLocale::Language installed();

} // namespace Translations

// The number by which a translation chooses a count's plural form: the count without its sign,
// as "-1 day" reads like "1 day". Every text with a count asks for it, and so links in the
// English forms of counts.
int pluralFormOf(qint64 count);
