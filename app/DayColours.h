// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of the days on the month page, made from the theme's palette.
#pragma once

#include <QColor>
#include <QPalette>

// Marks stand out from what they sit on by at least 3:1, the contrast accessibility guidelines
// ask of such marks, and day numbers read at 4.5:1 on every fill, whatever the theme's colours:
// dark and high-contrast themes give selection colours close to their page.
struct DayColours
{
    QColor page;
    QColor span; // the span's shade: a tint of the selection's colour, distinct from the page
    QColor mark; // today's outline and a first date's bar
    QColor selected; // the selected day's fill
    QColor onSelected; // numbers, rings and bars on the selected day
    QColor workingDay[2]; // the numbers: on the page, and on the span
    QColor restDay[2];
    QColor unavailable; // the numbers of days that cannot be picked, before 1753 or after 9999

    static DayColours of(const QPalette &palette, QPalette::ColorGroup group);
};
