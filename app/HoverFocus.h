// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Gives a widget the keyboard focus as soon as the mouse moves over it, while it is enabled.
#pragma once

#include <QObject>

class QWidget;

class HoverFocus : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
