// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads and keeps the week numbers' setting.
#include "WeekNumbersAction.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString key = QStringLiteral("calendar/weekNumbers");

} // namespace

WeekNumbersAction::WeekNumbersAction(QObject *parent)
    : QAction(tr("Week numbers"), parent)
{
    setCheckable(true);
    // The program's name as the settings' owner: one file, daywright.conf.
    setChecked(QSettings(QCoreApplication::applicationName()).value(key).toBool());
    connect(this, &QAction::toggled, this, [](bool shown) {
        QSettings(QCoreApplication::applicationName()).setValue(key, shown);
    });
}
