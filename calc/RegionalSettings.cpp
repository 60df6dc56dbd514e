// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the time and number regions from the environment, as the C library does.
#include "RegionalSettings.h"

namespace {

QLocale localeOfCategory(const char *category)
{
    for (const char *variable : {"LC_ALL", category, "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        // QLocale reads "de_DE.UTF-8" as de_DE and both "C.UTF-8" and "POSIX" as C.
        if (!name.isEmpty())
            return QLocale(name);
    }
    return QLocale::c();
}

} // namespace

RegionalSettings RegionalSettings::fromEnvironment()
{
    return {localeOfCategory("LC_TIME"), localeOfCategory("LC_NUMERIC")};
}
