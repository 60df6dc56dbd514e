// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"

#include "CalculatorTexts.h"
#include "DayCountInput.h"

using namespace CalculatorTexts;

Calculator::Calculator(Controls &controls, Today today, const RegionalSettings &regions)
    : m_controls(controls)
    , m_today(std::move(today))
    , m_numbers(regions.numbers)
    , m_texts(regions.dates)
{ }

void Calculator::load()
{
    m_controls.setCalendarDate(m_today());
    m_controls.addCalculationType(daysFromNowItem);
    m_controls.addCalculationType(daysBetweenItem);
    m_controls.selectCalculationType(DaysFromNow);
    calculationTypeChosen();
    m_controls.setInstruction(startInstruction);
}

void Calculator::calculationTypeChosen()
{
    if (m_controls.selectedCalculationType() == DaysBetweenTwoDates) {
        m_controls.setInstruction(selectFirstDate);
        m_controls.setResults(QString());
        m_state.twoDatesMode = true;
        m_state.firstDatePicked = false;
        m_controls.setCalculateEnabled(false);
        m_controls.setCalendarSpan({});
    } else {
        m_controls.setInstruction(daysFromNowInstruction);
        m_controls.setResults(resultsPlaceholder);
        m_state.twoDatesMode = false;
        m_controls.setCalculateEnabled(true);
        // Days from now count from today: the span runs from today to wherever the user points.
        m_controls.setCalendarSpan({m_today(), false, {}, {}});
    }
}

void Calculator::datePicked()
{
    const QDate picked = m_controls.calendarDate();
    // A pick follows the drop-down as it stands; with nothing selected there it counts as a
    // pick between two dates.
    if (m_controls.selectedCalculationType() == DaysFromNow) {
        const QDate today = m_today();
        const qint64 dayCount = today.daysTo(picked);
        m_controls.setInstructionColour(InstructionColour::White);
        m_controls.setResults(m_texts.fromToday(picked, dayCount, today));
        m_controls.setDayCountText(ResultTexts::dayCountBox(dayCount));
        m_controls.setCalendarSpan({today, false, today, picked});
    } else if (m_state.firstDatePicked) {
        const qint64 dayCount = m_state.firstDate.daysTo(picked);
        m_controls.setInstructionColour(InstructionColour::White);
        completePair(picked, dayCount);
        m_controls.setDayCountText(ResultTexts::dayCountBox(dayCount));
    } else {
        m_state.firstDate = picked;
        m_state.firstDatePicked = true;
        m_controls.setCalculateEnabled(true);
        m_controls.setInstruction(selectSecondDate);
        m_controls.setResults(m_texts.firstDateNotice(picked));
        m_controls.setCalendarSpan({picked, true, {}, {}});
    }
}

void Calculator::calculateDate()
{
    const DayCountInput typed(m_controls.dayCountText(), m_numbers);
    if (typed.status() == DayCountInput::Status::NotWholeNumber) {
        showInputError(notWholeNumber);
        return;
    }
    if (m_state.twoDatesMode && !m_state.firstDatePicked) {
        m_controls.setInstructionColour(InstructionColour::White);
        m_controls.setInstruction(mustSelectFirstDate);
        return;
    }

    const QDate base = m_state.twoDatesMode ? m_state.firstDate : m_today();
    // The reader keeps the target inside the calendar's range, so the calendar takes it.
    const std::optional<QDate> target = typed.dateFrom(base);
    if (!target) {
        showInputError(outsideCalendar);
        return;
    }
    m_controls.setCalendarDate(*target);

    const qint64 dayCount = base.daysTo(*target);
    m_controls.setInstructionColour(InstructionColour::White);
    if (m_state.twoDatesMode) {
        completePair(*target, dayCount);
    } else {
        m_controls.setResults(m_texts.fromToday(*target, dayCount, base));
        m_controls.setInstruction(afterCalculationInstruction);
        m_controls.setCalendarSpan({base, false, base, *target});
    }
}

void Calculator::completePair(QDate second, qint64 dayCount)
{
    m_state.firstDatePicked = false;
    m_controls.setCalculateEnabled(false);
    m_controls.setResults(m_texts.betweenDates(m_state.firstDate, second, dayCount));
    m_controls.setInstruction(selectNewFirstDate);
    m_controls.setCalendarSpan({{}, false, m_state.firstDate, second});
}

void Calculator::showInputError(const QString &message)
{
    m_controls.setInstruction(message);
    m_controls.setInstructionColour(InstructionColour::Red);
}
