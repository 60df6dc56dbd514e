// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each control operation on its widget.
#include "WidgetControls.h"

#include "CalendarRange.h"
#include "DayCountBox.h"
#include "MonthCalendar.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

void WidgetControls::setInstruction(const QString &text)
{
    m_widgets.instruction->setText(text);
}

void WidgetControls::setInstructionColour(InstructionColour colour)
{
    QPalette palette = m_widgets.instruction->palette();
    palette.setColor(QPalette::Window,
                     colour == InstructionColour::Error ? QColor(255, 0, 0)
                                                        : QColor(255, 255, 255));
    // Black reads on both (21:1 on white, 5.3:1 on red), whatever colour the desktop's theme
    // gives text.
    palette.setColor(QPalette::WindowText, Qt::black);
    m_widgets.instruction->setPalette(palette);
}

void WidgetControls::setResults(const QString &text)
{
    m_widgets.results->setPlainText(text);
}

QString WidgetControls::dayCountText() const
{
    return m_widgets.dayCount->wholeText();
}

void WidgetControls::setDayCountText(const QString &text)
{
    m_widgets.dayCount->setText(text);
    // A count wider than the box shows its start, minus sign included.
    m_widgets.dayCount->setCursorPosition(0);
}

void WidgetControls::setCalculateEnabled(bool enabled)
{
    m_widgets.calculate->setEnabled(enabled);
}

bool WidgetControls::setCalendarDate(QDate date)
{
    if (!CalendarRange::contains(date))
        return false;
    m_widgets.calendar->setSelectedDate(date);
    return true;
}

void WidgetControls::setCalendarSpan(const CalendarSpan &span)
{
    m_widgets.calendar->setSpan(span);
}

void WidgetControls::setSpanSummary(const QString &text)
{
    m_widgets.calendar->setSpanSummary(text);
}

void WidgetControls::addCalculationType(const QString &text)
{
    m_widgets.calculationTypes->addItem(text);
}

int WidgetControls::selectedCalculationType() const
{
    return m_widgets.calculationTypes->currentIndex();
}

void WidgetControls::selectCalculationType(int index)
{
    m_widgets.calculationTypes->setCurrentIndex(index);
}
