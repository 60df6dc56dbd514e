// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology learns of the calendar's page: a list whose one item is the
// selected day, named by its date with the weekday, so that a screen reader says it when the
// page takes the focus and whenever the selection moves.
#pragma once

// Registers the page's interface with Qt's accessibility, once, as the application starts.
void installAccessibleMonthPage();
