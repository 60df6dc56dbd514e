// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a page of months: titles, weekday names, day numbers, and the marks on the days.
#pragma once

#include "CalendarSpan.h"
#include "CalendarTexts.h"
#include "DayColours.h"
#include "Holidays.h"
#include "MonthGrid.h"

#include <QDate>
#include <QStaticText>

#include <array>

class QPainter;
class QWidget;

class MonthPainter
{
public:
    // What the days show besides their numbers.
    struct Marks
    {
        QDate selected;
        QDate today;
        CalendarSpan span;
        const Holidays *holidays = nullptr;
        QList<Qt::DayOfWeek> workingWeek; // the others are drawn as rest days
        bool weekNumbers = false;
    };

    // Draws in the widget's palette, font and locale, marking the selection as focused while
    // the widget has the focus.
    explicit MonthPainter(const QWidget &widget);

    // The widget's font, locale or size changed: the texts are laid out anew when next painted.
    void textsChanged() { m_textsPrepared = false; }

    void paint(QPainter &painter, const MonthGrid &grid, const Marks &marks);

private:
    void prepareTexts(const MonthGrid &grid);
    void paintMonth(QPainter &painter, const MonthGrid &grid, int index, const Marks &marks,
                    const DayColours &colours) const;

    const QWidget &m_widget;
    CalendarTexts m_texts;
    // Laying out text is most of the cost of painting a page; the texts every month repeats are
    // laid out once, for the current font, locale and size.
    std::array<QStaticText, 31> m_dayNumbers;
    std::array<QStaticText, 7> m_weekdayNames;
    bool m_textsPrepared = false;
};
