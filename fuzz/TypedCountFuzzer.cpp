// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any text to the day-count box and presses Calculate Date, from today and from a held
// first date, and checks that the calculator either refuses the text and changes nothing else, or
// answers with a date inside the calendar and a sentence whose arithmetic holds.
#include "Calculator.h"
#include "CalculatorTexts.h"
#include "FakeControls.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace {

using CalculatorTexts::notWholeNumber;
using CalculatorTexts::outsideCalendar;

void require(bool holds, const char *what, const QString &typed)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s, typed \"%s\"\n", what, typed.toUtf8().constData());
    std::abort();
}

void check(const QString &typed, bool fromFirstDate)
{
    const QDate today(2026, 12, 5);
    const QDate firstDate(1800, 6, 30);
    FakeControls controls;
    Calculator calculator(
            controls, [&] { return today; },
            RegionalSettings::of(QLocale(QLocale::English, QLocale::UnitedKingdom)));
    calculator.load();
    if (fromFirstDate) {
        controls.selectedType = Calculator::DaysBetweenTwoDates;
        calculator.calculationTypeChosen();
        controls.calendar = firstDate;
        calculator.datePicked();
    }
    const FakeControls before = controls;
    controls.dayCount = typed;
    calculator.calculateDate();

    require(controls.dayCount == typed, "the typed text was changed", typed);
    if (controls.instruction == notWholeNumber || controls.instruction == outsideCalendar) {
        require(controls.instructionColour == InstructionColour::Red, "an error on white", typed);
        require(controls.results == before.results && controls.calendar == before.calendar
                        && controls.calculateEnabled == before.calculateEnabled
                        && calculator.state().firstDatePicked == fromFirstDate,
                "a refused count changed more than the instruction", typed);
        return;
    }
    require(controls.instructionColour == InstructionColour::White, "an answer on red", typed);
    require(CalendarRange::contains(controls.calendar), "the calendar left its range", typed);
    require(!calculator.state().firstDatePicked && controls.calculateEnabled == !fromFirstDate,
            "the pair was not closed", typed);

    // The sentence names the count the calendar moved by, and splits it into weeks and days.
    static const QRegularExpression sentence(QStringLiteral(
            R"(is ( |-)(\d+)(?: days from [^\r]*)?\r\nThat is (-?\d+) Weeks and (-?\d+) Days\.$)"));
    const QRegularExpressionMatch parts = sentence.match(controls.results);
    require(parts.hasMatch(), "a sentence of another shape", typed);
    const qint64 count = (parts.captured(1) == u"-" ? -1 : 1) * parts.captured(2).toLongLong();
    const QDate base = fromFirstDate ? firstDate : today;
    require(base.daysTo(controls.calendar) == count, "the sentence's count is not the move", typed);
    require(parts.captured(3).toLongLong() == count / 7
                    && parts.captured(4).toLongLong() == count % 7,
            "the weeks and days do not add up", typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    check(typed, false);
    check(typed, true);
    return 0;
}
