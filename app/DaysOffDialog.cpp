// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar's events with check boxes, and OK or Cancel.
#include "DaysOffDialog.h"

#include <QCollator>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

DaysOffDialog::DaysOffDialog(const QString &calendar, QStringList events,
                             const QSet<QString> &notCounted, const QLocale &region,
                             QWidget *parent)
    : QDialog(parent)
    , m_events(new QListWidget(this))
{
    //: Title of the dialog choosing which events of a holiday calendar are days off; %1: its name
    setWindowTitle(tr("Days off in %1").arg(calendar));
    //: Above the list of a holiday calendar's events, each with a check box
    auto *explanation = new QLabel(tr("Checked events are days off. Unchecked ones, such as "
                                      "observances or working days, are not counted or shown "
                                      "as holidays."),
                                   this);
    explanation->setWordWrap(true);
    explanation->setBuddy(m_events); // which also names the list to screen readers

    std::sort(events.begin(), events.end(), QCollator(region));
    for (const QString &event : events) {
        auto *item = new QListWidgetItem(event, m_events);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(notCounted.contains(event) ? Qt::Unchecked : Qt::Checked);
    }
    // Space toggles the event at hand from the start; the dialog grows to show every name whole,
    // as far as the screen allows.
    m_events->setCurrentRow(0);
    m_events->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_events);
    layout->addWidget(buttons);
}

QSet<QString> DaysOffDialog::notCounted() const
{
    QSet<QString> unchecked;
    for (int row = 0; row < m_events->count(); ++row) {
        if (m_events->item(row)->checkState() != Qt::Checked)
            unchecked.insert(m_events->item(row)->text());
    }
    return unchecked;
}
