// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Week numbers" toggle, remembered between runs.
#pragma once

#include <QAction>

// Off at first, then as the user last left it, kept in $XDG_CONFIG_HOME/daywright.conf.
class WeekNumbersAction : public QAction
{
    Q_OBJECT

public:
    explicit WeekNumbersAction(QObject *parent = nullptr);
};
