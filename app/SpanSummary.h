// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the calendar's months that sums up the shaded span, copied whole from its menu.
#pragma once

#include <QLabel>

// The window's width is fixed, a summary or a message is not: a text too long for the line is
// cut at its end, "…" saying so, and stays whole in the tooltip, in what screen readers hear and
// in what Copy copies.
class SpanSummary : public QLabel
{
    Q_OBJECT

public:
    explicit SpanSummary(QWidget *parent = nullptr);

    void setSummary(const QString &text);
    void copy() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFitting();

    QString m_summary;
};
