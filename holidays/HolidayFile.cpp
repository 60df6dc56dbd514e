// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads holiday files with libical, within limits on size and work.
#include "HolidayFile.h"

#include "EventReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <libical/ical.h>

#include <memory>

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

// Some generators write a time under VALUE=DATE ("DTSTART;VALUE=DATE:20251024T140000Z"); libical
// would then read a timed event. The value names a day: keep the day.
QString withDaysAsDays(const QString &text)
{
    static const QRegularExpression dayValued(
            QStringLiteral("^((?:DTSTART|DTEND|RECURRENCE-ID|EXDATE|RDATE)(?:;[^:\\r\\n]*)?"
                           ";VALUE=DATE(?=[;:])[^:\\r\\n]*:)([^\\r\\n]*)"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    static const QRegularExpression timeOfDay(QStringLiteral("(\\d{8})T\\d{6}Z?"));
    QString fixed;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &line : dayValued.globalMatch(text)) {
        fixed += QStringView(text).sliced(copied, line.capturedStart(2) - copied);
        fixed += line.captured(2).replace(timeOfDay, QStringLiteral("\\1"));
        copied = line.capturedEnd(2);
    }
    if (copied == 0)
        return text;
    fixed += QStringView(text).sliced(copied);
    return fixed;
}

// Long lines are folded every 75 bytes, which may fall inside a character, so they are joined
// before the text is decoded; and exports joined with cat bring each its byte order mark, which
// would hide a BEGIN:VCALENDAR from libical.
QByteArray unfolded(QByteArray text)
{
    return text.replace("\r\n ", "")
            .replace("\r\n\t", "")
            .replace("\n ", "")
            .replace("\n\t", "")
            .replace("\xEF\xBB\xBF", "");
}

} // namespace

HolidayFile HolidayFile::refused(const QString &reason)
{
    HolidayFile file;
    file.m_refusal = reason;
    return file;
}

HolidayFile HolidayFile::fromFile(const QString &path, const DateRange &range)
{
    const std::variant<QByteArray, QString> text = readText(path);
    if (const auto *why = std::get_if<QString>(&text))
        return refused(*why);
    return fromText(std::get<QByteArray>(text), range);
}

std::variant<QByteArray, QString> HolidayFile::readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        //: Why a holiday file is refused: it could not be read. %1: the system's reason.
        return tr("it cannot be read (%1)").arg(file.errorString());
    return file.read(maximumBytes + 1);
}

HolidayFile HolidayFile::fromText(const QByteArray &text, const DateRange &range)
{
    if (text.size() > maximumBytes)
        //: Why a holiday file is refused.
        return refused(tr("it is larger than 10 MB"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(unfolded(text));
    if (utf8.hasError() || text.contains('\0'))
        //: Why a holiday file is refused: its text is not in the UTF-8 encoding.
        return refused(tr("it is not UTF-8 text"));
    const QString trimmed = decoded.trimmed();
    if (trimmed.startsWith(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive)
        && !trimmed.endsWith(QLatin1String("END:VCALENDAR"), Qt::CaseInsensitive))
        //: Why a holiday file is refused: it is incomplete. Keep END:VCALENDAR as it is.
        return refused(tr("it is cut short: it does not end with END:VCALENDAR"));
    const Component parsed(icalparser_parse_string(withDaysAsDays(decoded).toUtf8().constData()),
                           icalcomponent_free);
    // Calendars joined into one file are read as one.
    QList<icalcomponent *> calendars;
    if (parsed && icalcomponent_isa(parsed.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *each
             = icalcomponent_get_first_component(parsed.get(), ICAL_VCALENDAR_COMPONENT);
             each; each = icalcomponent_get_next_component(parsed.get(), ICAL_VCALENDAR_COMPONENT))
            calendars << each;
    } else if (parsed && icalcomponent_isa(parsed.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars << parsed.get();
    }
    if (calendars.isEmpty())
        //: Why a holiday file is refused.
        return refused(tr("it is not an iCalendar file"));

    EventReader reader(range, maximumDays);
    for (icalcomponent *calendar : calendars)
        reader.gather(calendar);
    switch (reader.read()) {
    case EventReader::Outcome::TooMuchWork:
        //: Why a holiday file is refused: its events would make too many days.
        return refused(tr("its events give more than 250,000 holiday days"));
    case EventReader::Outcome::NoAllDayEvent:
        //: Why a holiday file is refused: no event lasts whole days.
        return refused(tr("it holds no all-day event"));
    case EventReader::Outcome::NoDayInRange:
        //: Why a holiday file is refused: no event falls in the calendar's range.
        return refused(tr("it holds no holiday between 1753 and 9999"));
    case EventReader::Outcome::Read:
        break;
    }
    HolidayFile file;
    file.m_holidays = reader.holidays();
    file.m_skipped = reader.skipped();
    return file;
}
