// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes and reads a calendar's dates by a date format's fields.
#include "CalendarDateFormat.h"

#include "Calendar.h"
#include "CalendarRange.h"

#include <QList>

namespace {

// A run of one field letter, or text to be written as it is.
struct Token
{
    QChar field; // d, M or y; null for text
    int count = 0;
    QString text;
};

QList<Token> tokensOf(const QString &format)
{
    QList<Token> tokens;
    const auto addText = [&tokens](QChar c) {
        if (tokens.isEmpty() || !tokens.last().field.isNull())
            tokens.append(Token());
        tokens.last().text += c;
    };
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text, where two quotes stand for one.
            if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                addText(c);
                ++i;
                continue;
            }
            for (++i; i < format.size() && format.at(i) != u'\''; ++i)
                addText(format.at(i));
        } else if (c == u'd' || c == u'M' || c == u'y') {
            int count = 1;
            while (i + count < format.size() && format.at(i + count) == c)
                ++count;
            tokens.append(Token {c, count, {}});
            i += count - 1;
        } else {
            addText(c);
        }
    }
    return tokens;
}

} // namespace

QString CalendarDateFormat::toString(const Calendar &calendar, QDate date, const QLocale &locale,
                                     const QString &format)
{
    if (!date.isValid())
        return QString();
    QLocale digits = locale;
    digits.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto number = [&digits](int value, int width) {
        const QString zeros = digits.zeroDigit().repeated(
                std::max(0, width - int(QString::number(value).size())));
        return zeros + digits.toString(value);
    };
    const Calendar::Parts parts = calendar.partsFromDate(date);
    QString written;
    for (const Token &token : tokensOf(format)) {
        const int count = token.count;
        if (token.field == u'd' && count >= 3)
            written += locale.dayName(date.dayOfWeek(),
                                      count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
        else if (token.field == u'd')
            written += number(parts.day, count);
        else if (token.field == u'M' && count >= 3)
            written += calendar.monthName(locale, parts.year, parts.month);
        else if (token.field == u'M')
            written += number(parts.month, count);
        else if (token.field == u'y')
            written += count <= 2 ? number(parts.year % 100, 2) : number(parts.year, 4);
        else
            written += token.text;
    }
    return written;
}

QDate CalendarDateFormat::toDate(const Calendar &calendar, const QString &text,
                                 const QLocale &locale, const QString &format)
{
    const QList<Token> tokens = tokensOf(format);
    int year = 0, month = 0, day = 0;
    QString monthName;
    qsizetype at = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens.at(i);
        if (token.field.isNull()) {
            // A blank stands for any run of blanks; the rest must be as written.
            for (const QChar c : token.text) {
                if (at >= text.size() || (c.isSpace() != text.at(at).isSpace())
                    || (!c.isSpace() && text.at(at) != c))
                    return QDate();
                ++at;
                while (c.isSpace() && at < text.size() && text.at(at).isSpace())
                    ++at;
            }
            continue;
        }
        qsizetype digits = 0;
        int value = 0;
        while (at + digits < text.size() && text.at(at + digits).isDigit() && digits < 6)
            value = value * 10 + text.at(at + digits++).digitValue();
        const bool named = token.count >= 3 && token.field != u'y';
        if ((token.field == u'M' && digits == 0) || (named && token.field == u'd')) {
            // A name runs to the text that follows it; blanks before that are the text's.
            const Token *next = i + 1 < tokens.size() ? &tokens.at(i + 1) : nullptr;
            const QChar stop = next && next->field.isNull() ? next->text.at(0) : QChar();
            qsizetype end = at;
            while (end < text.size() && !text.at(end).isDigit()
                   && (stop.isSpace() || text.at(end) != stop))
                ++end;
            while (stop.isSpace() && end > at && text.at(end - 1).isSpace())
                --end;
            if (token.field == u'M')
                monthName = text.mid(at, end - at);
            at = end;
            continue;
        }
        if (token.field == u'y' && token.count <= 2) {
            // Only the user knows the century: the range's first gives the day a year to fit.
            if (digits != 2)
                return QDate();
            year = calendar.year(CalendarRange::first()) / 100 * 100 + value;
        } else if (token.field == u'y') {
            if (digits < 4)
                return QDate();
            year = value;
        } else if (digits == 0 || digits > 2) {
            return QDate();
        } else {
            (token.field == u'd' ? day : month) = value;
        }
        at += digits;
    }
    if (at != text.size())
        return QDate();
    for (int named = 1; !monthName.isEmpty() && named <= calendar.monthsInYear(year); ++named) {
        for (const QLocale &language : {locale, QLocale::c()}) {
            if (monthName.compare(calendar.monthName(language, year, named), Qt::CaseInsensitive)
                == 0)
                month = named;
        }
    }
    return calendar.dateFromParts(year, month, day);
}
