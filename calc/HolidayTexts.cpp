// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Words for what became of holiday calendars.
#include "HolidayTexts.h"

#include "FixedTexts.h"

QString HolidayTexts::imported(const QString &name, qint64 days, const QStringList &skipped)
{
    //: What an import gave, as "national: 12 holiday days, 1 event skipped". %1: the calendar's
    //: name; %2: its holiday days, counted; %3: the events that gave none, counted.
    const QString summary
            = tr("%1: %2, %3")
                      .arg(name,
                           //: A count of holiday days in the import's message. %1: the count.
                           tr("%1 holiday day(s)", nullptr, pluralFormOf(days)).arg(days),
                           //: A count of skipped events in the import's message. %1: the count.
                           tr("%1 event(s) skipped", nullptr, pluralFormOf(skipped.size()))
                                   .arg(skipped.size()));
    if (skipped.isEmpty())
        return summary;
    constexpr qsizetype named = 3;
    QStringList which = skipped.first(std::min(named, skipped.size()));
    if (skipped.size() > named) {
        //: After the first three skipped events named in the import's message, how many more
        //: there are. %1: that count.
        which << tr("and %1 more", nullptr, pluralFormOf(skipped.size() - named))
                         .arg(skipped.size() - named);
    }
    //: The import's message with the skipped events named. %1: what the import gave; %2: the
    //: skipped events, each as "name: reason", joined by the list separator.
    return tr("%1 (%2)", "import and skipped events").arg(summary, which.join(listSeparator()));
}

QString HolidayTexts::refused(const QString &name, const QString &reason)
{
    //: A holiday calendar or file that gave nothing. %1: its name; %2: why, as "it is not an
    //: iCalendar file".
    return tr("%1: %2").arg(name, reason);
}

QString HolidayTexts::skippedCalendars(const QStringList &refusals)
{
    //: The summary line at start when stored holiday calendars cannot be read. %1: each, named
    //: with the reason, joined by the list separator.
    return tr("Holiday calendars skipped: %1").arg(refusals.join(listSeparator()));
}

QString HolidayTexts::listSeparator()
{
    //: What stands between the items of a list of reasons, as "; " in English.
    return tr("; ");
}

QString HolidayTexts::unreadChoice(const QString &name, const QString &reason)
{
    //: On the summary line and the command line; %1: a holiday calendar, %2: why
    return tr("%1: which events are days off cannot be read (%2), so every event counts")
            .arg(name, reason);
}
