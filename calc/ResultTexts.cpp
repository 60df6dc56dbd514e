// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultTexts.h"

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// A minus for negative counts and a blank otherwise, so that counts line up in the sentence.
QString signSlot(qint64 dayCount)
{
    return dayCount < 0 ? QString::number(dayCount) : u' ' + QString::number(dayCount);
}

// C++ division truncates toward zero and the remainder keeps the count's sign: 15 is 2 weeks and
// 1 day, -10 is -1 week and -3 days.
QString weekBreakdown(qint64 dayCount)
{
    return QStringLiteral("That is ") + QString::number(dayCount / 7)
            + QStringLiteral(" Weeks and ") + QString::number(dayCount % 7)
            + QStringLiteral(" Days.");
}

} // namespace

QString widenTwoDigitYears(const QString &format)
{
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u'y') {
            widened += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == u'y')
            ++run;
        widened += QString(run == 2 ? 4 : run, u'y');
        i += run;
    }
    return widened;
}

QString fourDigitYearDateFormat(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    return widenTwoDigitYears(locale.dateFormat(QLocale::ShortFormat));
}

ResultTexts::ResultTexts(const QLocale &locale)
    : m_locale(locale)
    , m_dateFormat(fourDigitYearDateFormat(locale))
{ }

QString ResultTexts::date(QDate date) const
{
    return m_locale.toString(date, m_dateFormat);
}

QString ResultTexts::fromToday(QDate target, qint64 dayCount, QDate today) const
{
    return date(target) + QStringLiteral(" is ") + signSlot(dayCount)
            + QStringLiteral(" days from ") + date(today) + lineBreak + weekBreakdown(dayCount);
}

QString ResultTexts::betweenDates(QDate first, QDate second, qint64 dayCount) const
{
    return QStringLiteral("The number of days from ") + date(first) + QStringLiteral(" to ")
            + date(second) + QStringLiteral(" is ") + signSlot(dayCount) + lineBreak
            + weekBreakdown(dayCount);
}

QString ResultTexts::firstDateNotice(QDate first) const
{
    return QStringLiteral("First date selected is ") + date(first);
}

QString ResultTexts::dayCountBox(qint64 dayCount)
{
    return QString::number(dayCount);
}
