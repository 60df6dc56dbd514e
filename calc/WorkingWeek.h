// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The days of the week that are worked: read from the words the command line and the settings
// write them in, and counted through to find the day a number of working days away.
#pragma once

#include "Holidays.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

class WorkingWeek
{
    Q_DECLARE_TR_FUNCTIONS(WorkingWeek)

public:
    using Days = QList<Qt::DayOfWeek>;

    // "mon-fri", "sun-thu", "sat,sun,mon,tue,wed", "1-5": English three-letter names or ISO 8601
    // numbers (1 Monday to 7 Sunday) in any case, a range running on through the week's end; the
    // days Monday first. Otherwise why the text is no working week.
    static std::variant<Days, QString> read(const QString &text);
    // As read() reads them: "mon,tue,wed,thu,fri".
    static QString write(const Days &days);
    // Monday first, each day once.
    static Days sorted(Days days);

    static QString noWorkingDay();
};

// The working days after from, up to and including to, less the holidays on them; negative when
// to lies before from.
qint64 netWorkingDaysBetween(QDate from, QDate to, const WorkingWeek::Days &week,
                             const Holidays &holidays);

// The count-th working day after from, from itself not counted (before it where the count is
// negative, from itself where it is 0), passing over the days outside the week and the holidays,
// as spreadsheets' WORKDAY counts. Nothing where that day lies outside the calendar's range, or
// the week has no working day.
std::optional<QDate> workingDaysFrom(QDate from, qint64 count, const WorkingWeek::Days &week,
                                     const Holidays &holidays);
