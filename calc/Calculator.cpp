// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's handlers: the calculation type, a picked date, Calculate Date, and the span
// the calendar counts meanwhile.
#include "Calculator.h"

#include "DayContext.h"
#include "DayCountInput.h"
#include "FixedTexts.h"

Calculator::Calculator(Controls &controls, DayContext &context, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_context(context)
{
    connect(&context.today(), &Today::dateChanged, this, &Calculator::todayChanged);
    // What the summary counts in changed: the same span, summed up anew.
    for (auto changed : {&DayContext::regionsChanged, &DayContext::calendarChanged,
                         &DayContext::workingWeekChanged, &DayContext::holidaysChanged})
        connect(&context, changed, this, &Calculator::showSpan);
}

ResultTexts Calculator::texts() const
{
    return ResultTexts(m_context.regions().dates, ResultTexts::DateStyle::Regional,
                       m_context.calendarSystem());
}

void Calculator::start()
{
    m_controls.setCalendarDate(m_context.today().date());
    m_controls.addCalculationType(FixedTexts::daysFromNowItem());
    m_controls.addCalculationType(FixedTexts::daysBetweenItem());
    m_controls.selectCalculationType(DaysFromNow);
    calculationTypeChosen(DaysFromNow);
    m_controls.setInstruction(FixedTexts::startInstruction());
}

void Calculator::calculationTypeChosen(int type)
{
    if (type == DaysBetweenTwoDates) {
        m_controls.setInstruction(FixedTexts::selectFirstDate());
        m_controls.setResults(QString());
        m_state.twoDatesMode = true;
        m_state.firstDatePicked = false;
        m_controls.setCalculateEnabled(false);
        countSpan({});
    } else {
        m_controls.setInstruction(FixedTexts::daysFromNowInstruction());
        m_controls.setResults(FixedTexts::resultsPlaceholder());
        m_state.twoDatesMode = false;
        m_controls.setCalculateEnabled(true);
        countSpan({.start = m_context.today().date()});
    }
}

void Calculator::datePicked(QDate picked)
{
    // A pick follows the drop-down as it stands; with nothing selected there it counts as a
    // pick between two dates.
    if (m_controls.selectedCalculationType() == DaysFromNow) {
        const QDate today = m_context.today().date();
        const qint64 dayCount = today.daysTo(picked);
        m_controls.setInstructionColour(InstructionColour::Normal);
        m_controls.setResults(texts().fromToday(picked, dayCount, today));
        m_controls.setDayCountText(ResultTexts::dayCountBox(dayCount));
        countSpan({.start = today, .answerFrom = today, .answerTo = picked});
    } else if (m_state.firstDatePicked) {
        const qint64 dayCount = m_state.firstDate.daysTo(picked);
        m_controls.setInstructionColour(InstructionColour::Normal);
        completePair(picked, dayCount);
        m_controls.setDayCountText(ResultTexts::dayCountBox(dayCount));
    } else {
        m_state.firstDate = picked;
        m_state.firstDatePicked = true;
        m_controls.setCalculateEnabled(true);
        m_controls.setInstruction(FixedTexts::selectSecondDate());
        m_controls.setResults(texts().firstDateNotice(picked));
        countSpan({.start = picked, .startIsFirstDate = true});
    }
}

void Calculator::datePointed(QDate day)
{
    m_pointed = day;
    showSpan();
}

void Calculator::calculateDate()
{
    const DayCountInput typed(m_controls.dayCountText(), m_context.regions().numbers);
    if (typed.status() == DayCountInput::Status::NotWholeNumber) {
        showInputError(FixedTexts::notWholeNumber());
        return;
    }
    if (m_state.twoDatesMode && !m_state.firstDatePicked) {
        m_controls.setInstructionColour(InstructionColour::Normal);
        m_controls.setInstruction(FixedTexts::mustSelectFirstDate());
        return;
    }

    const QDate base = m_state.twoDatesMode ? m_state.firstDate : m_context.today().date();
    // The reader keeps the target inside the calendar's range, so the calendar takes it.
    const std::optional<QDate> target = typed.dateFrom(base);
    if (!target) {
        showInputError(FixedTexts::outsideCalendar());
        return;
    }
    m_controls.setCalendarDate(*target);

    const qint64 dayCount = base.daysTo(*target);
    m_controls.setInstructionColour(InstructionColour::Normal);
    if (m_state.twoDatesMode) {
        completePair(*target, dayCount);
    } else {
        m_controls.setResults(texts().fromToday(*target, dayCount, base));
        m_controls.setInstruction(FixedTexts::afterCalculationInstruction());
        countSpan({.start = base, .answerFrom = base, .answerTo = *target});
    }
}

void Calculator::completePair(QDate second, qint64 dayCount)
{
    m_state.firstDatePicked = false;
    m_controls.setCalculateEnabled(false);
    m_controls.setResults(texts().betweenDates(m_state.firstDate, second, dayCount));
    m_controls.setInstruction(FixedTexts::selectNewFirstDate());
    countSpan({.answerFrom = m_state.firstDate, .answerTo = second});
}

void Calculator::showMessage(const QString &text)
{
    m_controls.setSpanSummary(text);
}

void Calculator::todayChanged(QDate newToday)
{
    // Whatever counts from today moves on with it; an answer keeps the day it was given on.
    if (m_spanRule.start.isValid() && !m_spanRule.startIsFirstDate) {
        m_spanRule.start = newToday;
        showSpan();
    }
}

void Calculator::showInputError(const QString &message)
{
    m_controls.setInstruction(message);
    m_controls.setInstructionColour(InstructionColour::Error);
}

// Each new rule, an answer's above all, is shown at once: the day last pointed at counts again
// only when the pointer or the keys next move.
void Calculator::countSpan(const SpanRule &rule)
{
    m_spanRule = rule;
    m_pointed = QDate();
    showSpan();
}

void Calculator::showSpan()
{
    const CalendarSpan span = m_spanRule.shownWhilePointingAt(m_pointed);
    m_controls.setCalendarSpan(span);
    m_controls.setSpanSummary(span.from.isValid() ? texts().spanSummary(span.from, span.to,
                                                                        m_context.workingWeek(),
                                                                        m_context.holidays())
                                                  : QString());
}
