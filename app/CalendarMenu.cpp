// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the calendars and keeps the one chosen.
#include "CalendarMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QSettings>

namespace {

const QString key = QStringLiteral("calendar/system");

// The program's name as the settings' owner: one file, daywright.conf.
QSettings settings()
{
    return QSettings(QCoreApplication::applicationName());
}

} // namespace

CalendarMenu::CalendarMenu(CalendarSystem shown, QWidget *parent)
    : QMenu(tr("Calendar"), parent)
{
    auto *group = new QActionGroup(this);
    const std::pair<CalendarSystem, QString> calendars[] = {
            {CalendarSystem::Gregorian, tr("Gregorian")},
            {CalendarSystem::Persian, tr("Persian (Solar Hijri)")},
            {CalendarSystem::Islamic, tr("Islamic (tabular)")},
    };
    for (const auto &[system, name] : calendars) {
        QAction *action = addAction(name, this, [this, system] {
            settings().setValue(key, nameOf(system));
            emit chosen(system);
        });
        action->setCheckable(true);
        action->setChecked(system == shown);
        group->addAction(action);
    }
    // Said where the calendar is chosen, and nowhere else.
    addAction(tr("Official Islamic dates follow the moon and may differ by a day or two."))
            ->setEnabled(false);
}

CalendarSystem CalendarMenu::atStart(std::optional<CalendarSystem> forThisRun,
                                     const QLocale &region)
{
    if (forThisRun)
        return *forThisRun;
    // A stored name this version does not know is passed over, as if none were stored.
    return calendarNamed(settings().value(key).toString()).value_or(defaultCalendarFor(region));
}
