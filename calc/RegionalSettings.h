// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The regions the program follows, chosen as the C library chooses its categories: dates (the
// results, the calendar's names, first weekday and working week) by the time category, typed
// numbers by the numeric category.
#pragma once

#include <QLocale>

struct RegionalSettings
{
    QLocale dates;
    QLocale numbers;

    // From LC_ALL, else LC_TIME or LC_NUMERIC, else LANG; C where none is set.
    static RegionalSettings fromEnvironment();
    static RegionalSettings of(const QLocale &locale) { return {locale, locale}; }
    bool operator==(const RegionalSettings &) const = default;
};
