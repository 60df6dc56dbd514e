// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The span's summary line and its Copy command.
#include "SpanSummary.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

SpanSummary::SpanSummary(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("spanSummary"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    // Copied from a menu rather than made selectable, which would double the cost of each
    // change of the text.
    auto *copyAction = new QAction(tr("Copy"), this);
    connect(copyAction, &QAction::triggered, this, &SpanSummary::copy);
    addAction(copyAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Its text is its accessible name, so that screen readers hear every new span.
    setAccessibleDescription(tr("The span of days shaded on the calendar"));
}

void SpanSummary::copy() const
{
    QGuiApplication::clipboard()->setText(text());
}
