// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses which of a holiday calendar's events are days off.
#pragma once

#include <QDialog>
#include <QSet>
#include <QStringList>

class QListWidget;
class QLocale;

// Holiday calendars mix days off with observances and make-up working days: the calendar's event
// names, sorted as the region sorts, each with a check box that says it is a day off. The dialog
// only tells what was checked; its caller keeps the choice once it is accepted.
class DaysOffDialog : public QDialog
{
    Q_OBJECT

public:
    DaysOffDialog(const QString &calendar, QStringList events, const QSet<QString> &notCounted,
                  const QLocale &region, QWidget *parent = nullptr);

    // The events unchecked.
    QSet<QString> notCounted() const;

private:
    QListWidget *const m_events;
};
