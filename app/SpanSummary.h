// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the calendar's months that sums up the shaded span, copied whole from its menu.
#pragma once

#include <QLabel>

class SpanSummary : public QLabel
{
    Q_OBJECT

public:
    explicit SpanSummary(QWidget *parent = nullptr);

    void copy() const;
};
