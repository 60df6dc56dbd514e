// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colours that stay readable on whatever background the desktop's theme gives.
#pragma once

#include <QColor>

#include <initializer_list>

// Contrast as the Web Content Accessibility Guidelines measure it, from 1:1 to 21:1, and the
// least they ask of text and of the marks that tell a state (an outline, a selection).
double contrastRatio(const QColor &a, const QColor &b);
constexpr double textContrast = 4.5;
constexpr double markContrast = 3.0;

// The share (0 to 1) of the way from one colour to another.
QColor blended(const QColor &from, const QColor &to, double share);

// The wanted colour, mixed toward black or white (whichever the first background is further
// from) just as far as it takes to reach the ratio against every background.
QColor contrasting(const QColor &wanted, std::initializer_list<QColor> backgrounds, double ratio);

// Text in the wanted colour made to read on the background: at least 4.5:1, as text needs.
QColor readableOn(const QColor &wanted, const QColor &background);

// The background tinted toward a colour just far enough to stand apart from it by the ratio; a
// tint too close to the background to get there is first taken further away from it.
QColor tinted(const QColor &background, const QColor &tint, double ratio);
