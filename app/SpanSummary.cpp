// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The span's summary line, fitted to its width, and its Copy command.
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
    // The line takes the calendar's width, whatever the length of its text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Copied from a menu rather than made selectable, which would double the cost of each
    // change of the text.
    //: The summary line's context menu: copies the whole line.
    auto *copyAction = new QAction(tr("Copy"), this);
    connect(copyAction, &QAction::triggered, this, &SpanSummary::copy);
    addAction(copyAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    //: What screen readers call the summary line under the calendar.
    setAccessibleDescription(tr("The span of days shaded on the calendar"));
}

void SpanSummary::setSummary(const QString &text)
{
    if (text == m_summary)
        return;
    m_summary = text;
    // The whole text is the accessible name, so that screen readers hear every new span whole.
    setAccessibleName(text);
    showFitting();
}

void SpanSummary::copy() const
{
    QGuiApplication::clipboard()->setText(m_summary);
}

void SpanSummary::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void SpanSummary::showFitting()
{
    const QString shown
            = fontMetrics().elidedText(m_summary, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_summary ? QString() : m_summary);
}
