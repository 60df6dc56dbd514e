// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Week numbers" toggle.
#pragma once

#include <QAction>

class DayContext;

// Checked while the context shows week numbers; toggling it changes the context.
class WeekNumbersAction : public QAction
{
    Q_OBJECT

public:
    explicit WeekNumbersAction(DayContext &context, QObject *parent = nullptr);
};
