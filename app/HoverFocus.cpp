// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (event->type() == QEvent::MouseMove) {
        // Filters still see moves over a disabled widget, which must not take the focus.
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isEnabled())
            widget->setFocus(Qt::MouseFocusReason);
    }
    return QObject::eventFilter(watched, event);
}
