// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The day-count box: takes text of any length, and shows a long one cut.
#pragma once

#include <QLineEdit>

// A line edit lays out and paints its whole text, again at every blink of the cursor; a pasted
// megabyte would freeze the window. The box therefore shows only the start of a long text,
// ending in an ellipsis, and keeps the whole of it for the count. Editing what is shown drops the
// rest.
class DayCountBox : public QLineEdit
{
    Q_OBJECT

public:
    // Far more than any count, its blanks and its separators take.
    static constexpr int shownLength = 1000;

    explicit DayCountBox(const QString &text, QWidget *parent = nullptr);

    // The text as typed or pasted, whole.
    QString wholeText() const;

private:
    class CutLongText;

    CutLongText *const m_cut;
};
