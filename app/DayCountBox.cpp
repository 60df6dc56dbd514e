// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cuts a long text for showing, and keeps it whole for counting.
#include "DayCountBox.h"

#include <QValidator>

#include <limits>

// Qt runs a line edit's validator on every change, typed, pasted, undone or set, before it lays
// the text out: the one place where a long text can be swapped for its start.
class DayCountBox::CutLongText : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        if (input == m_shown)
            return Acceptable;
        m_whole = input;
        if (input.size() > shownLength) {
            input.truncate(shownLength);
            input += u'\u2026';
            position = std::min(position, int(input.size()));
        }
        m_shown = input;
        return Acceptable;
    }

    QString whole() const { return m_whole; }

private:
    mutable QString m_whole;
    mutable QString m_shown;
};

DayCountBox::DayCountBox(const QString &text, QWidget *parent)
    : QLineEdit(parent)
    , m_cut(new CutLongText(this))
{
    // Any text goes in; only its showing is cut.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(m_cut);
    setText(text);
}

QString DayCountBox::wholeText() const
{
    return m_cut->whole();
}
