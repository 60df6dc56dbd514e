// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Words for what became of holiday calendars.
#include "HolidayTexts.h"

#include "ResultTexts.h"

QString HolidayTexts::imported(const QString &name, qint64 days, const QStringList &skipped)
{
    const QString summary
            = tr("%1: %2, %3")
                      .arg(name, counted(days, tr("%1 holiday day"), tr("%1 holiday days")),
                           counted(skipped.size(), tr("%1 event skipped"),
                                   tr("%1 events skipped")));
    if (skipped.isEmpty())
        return summary;
    constexpr qsizetype named = 3;
    QStringList which = skipped.first(std::min(named, skipped.size()));
    if (skipped.size() > named)
        which << tr("and %1 more").arg(skipped.size() - named);
    return tr("%1 (%2)").arg(summary, which.join(u"; "));
}

QString HolidayTexts::refused(const QString &name, const QString &reason)
{
    return tr("%1: %2").arg(name, reason);
}

QString HolidayTexts::skippedCalendars(const QStringList &refusals)
{
    return tr("Holiday calendars skipped: %1").arg(refusals.join(u"; "));
}

QString HolidayTexts::unreadChoice(const QString &name, const QString &reason)
{
    //: On the summary line and the command line; %1: a holiday calendar, %2: why
    return tr("%1: which events are days off cannot be read (%2), so every event counts")
            .arg(name, reason);
}
