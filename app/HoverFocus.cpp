// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hands the keyboard focus to the widgets the pointer moves over.
#include "HoverFocus.h"

#include <QEvent>
#include <QWidget>

void HoverFocus::watch(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool HoverFocus::eventFilter(QObject *watched, QEvent *event)
{
    // Filters still see moves over a disabled widget; setFocus refuses it the focus.
    if (event->type() == QEvent::MouseMove)
        static_cast<QWidget *>(watched)->setFocus(Qt::MouseFocusReason);
    return QObject::eventFilter(watched, event);
}
