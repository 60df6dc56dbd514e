// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the months of a page in the region's words and digits, with readable colours on any
// theme.
#include "MonthPainter.h"

#include "CalendarRange.h"
#include "DayColours.h"
#include "ReadableColour.h"

#include <QPainter>
#include <QWidget>

namespace {

void drawCentred(QPainter &painter, const QRect &cell, const QStaticText &text)
{
    const QSizeF size = text.size();
    painter.drawStaticText(QPointF(cell.x() + (cell.width() - size.width()) / 2,
                                   cell.y() + (cell.height() - size.height()) / 2),
                           text);
}

// A frame of the given width just inside the rectangle.
void drawFrame(QPainter &painter, const QRect &rect, const QColor &colour, int width)
{
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

} // namespace

MonthPainter::MonthPainter(const QWidget &widget)
    : m_widget(widget)
    , m_texts(widget.locale())
{ }

void MonthPainter::paint(QPainter &painter, const MonthGrid &grid, const Marks &marks)
{
    prepareTexts(grid);
    const QPalette::ColorGroup group = m_widget.hasFocus() ? QPalette::Active : QPalette::Inactive;
    const DayColours colours = DayColours::of(m_widget.palette(), group);
    for (int index = 0; index < grid.monthsPerPage(); ++index)
        paintMonth(painter, grid, index, marks, colours);
}

void MonthPainter::prepareTexts(const MonthGrid &grid)
{
    if (m_textsPrepared)
        return;
    m_textsPrepared = true;
    m_texts = CalendarTexts(m_widget.locale(), grid.calendar());
    const auto prepared = [this](const QString &text) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.prepare(QTransform(), m_widget.font());
        return staticText;
    };
    for (int day = 1; day <= 31; ++day)
        m_dayNumbers[day - 1] = prepared(m_texts.number(day));
    std::array<Qt::DayOfWeek, 7> days;
    for (int column = 0; column < 7; ++column)
        days[column] = grid.weekdayInColumn(column);
    const std::array<QString, 7> names = m_texts.weekdayNames(days, QFontMetricsF(m_widget.font()),
                                                              grid.weekdayRect(0, 0).width());
    for (int column = 0; column < 7; ++column)
        m_weekdayNames[column] = prepared(names[column]);
}

void MonthPainter::paintMonth(QPainter &painter, const MonthGrid &grid, int index,
                              const Marks &marks, const DayColours &colours) const
{
    const bool focused = m_widget.hasFocus();
    const QPalette &palette = m_widget.palette();
    const QPalette::ColorGroup group = focused ? QPalette::Active : QPalette::Inactive;
    const QDate first = grid.month(index);

    const QRect title = grid.titleRect(index);
    const QColor titleBackground = palette.color(group, QPalette::AlternateBase);
    painter.fillRect(title, titleBackground);
    painter.setPen(readableOn(palette.color(group, QPalette::Text), titleBackground));
    painter.drawText(title, Qt::AlignCenter, m_texts.monthTitle(first));

    painter.setPen(readableOn(palette.color(group, QPalette::PlaceholderText), colours.page));
    for (int column = 0; column < 7; ++column)
        drawCentred(painter, grid.weekdayRect(index, column), m_weekdayNames[column]);
    // Week numbers, where shown, in the quieter colour of the weekday names.
    for (int row = 0; marks.weekNumbers && row < grid.weekRows(index); ++row)
        painter.drawText(grid.weekNumberRect(index, row), Qt::AlignCenter,
                         m_texts.number(grid.weekNumber(index, row)));

    const QDate spanFirst = std::min(marks.span.from, marks.span.to);
    const QDate spanLast = std::max(marks.span.from, marks.span.to);
    const int days = grid.daysInMonth(index);
    for (int dayOfMonth = 1; dayOfMonth <= days; ++dayOfMonth) {
        const QDate day = first.addDays(dayOfMonth - 1);
        const QRect cell = grid.dayRect(day);
        // The first and last pages' days before 1753 and after 9999 cannot be picked.
        if (!CalendarRange::contains(day)) {
            painter.setPen(colours.unavailable);
            drawCentred(painter, cell, m_dayNumbers[dayOfMonth - 1]);
            continue;
        }
        const bool inSpan = spanFirst.isValid() && day >= spanFirst && day <= spanLast;
        if (inSpan)
            painter.fillRect(cell, colours.span);
        // A holiday is a day off like a weekend's, told from it by a corner mark.
        const bool holiday = marks.holidays && !marks.holidays->names(day).isEmpty();
        QColor number = marks.workingWeek.contains(Qt::DayOfWeek(day.dayOfWeek())) && !holiday
                ? colours.workingDay[inSpan]
                : colours.restDay[inSpan];
        const bool selected = day == marks.selected;
        if (selected) {
            painter.fillRect(cell, colours.selected);
            number = colours.onSelected;
            if (focused) {
                painter.setPen(QPen(colours.onSelected, 1, Qt::DotLine));
                painter.drawRect(cell.adjusted(3, 3, -4, -4));
            }
        }
        // Today keeps its outline on the selection too: a ring in the selection's text colour.
        if (day == marks.today && selected)
            drawFrame(painter, cell.adjusted(1, 1, -1, -1), colours.onSelected, 1);
        else if (day == marks.today)
            drawFrame(painter, cell, colours.mark, 2);
        if (holiday) {
            const int size = std::max(4, cell.height() / 3);
            const QPoint corner = cell.topRight();
            painter.setPen(Qt::NoPen);
            painter.setBrush(selected ? colours.onSelected : colours.mark);
            painter.drawPolygon(
                    QPolygon({corner, corner - QPoint(size, 0), corner + QPoint(0, size)}));
        }
        // The first date of a pair: a bar along the foot of its cell.
        if (day == marks.span.firstDate)
            painter.fillRect(cell.left() + 3, cell.bottom() - 2, cell.width() - 6, 3,
                             selected ? colours.onSelected : colours.mark);
        painter.setPen(number);
        drawCentred(painter, cell, m_dayNumbers[dayOfMonth - 1]);
    }
}
