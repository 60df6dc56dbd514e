// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any text to the day-count box and presses Calculate Date, from today and from a held
// first date: the calculator either refuses the text in red and changes nothing else, or moves the
// calendar inside its range, closes a pair and states the very move it made.
#include "Calculator.h"
#include "CalendarRange.h"
#include "DayContext.h"
#include "FixedTexts.h"

#include <QCoreApplication>

namespace {

// What the rules look at, as the calculator last set it; the span and the drop-down's items are
// not looked at.
struct Outcome final : Controls
{
    QString instruction, results, dayCount;
    InstructionColour colour = InstructionColour::Normal;
    QDate calendar;
    bool calculateEnabled = true;
    int type = -1;

    void setInstruction(const QString &text) override { instruction = text; }
    void setInstructionColour(InstructionColour set) override { colour = set; }
    void setResults(const QString &text) override { results = text; }
    QString dayCountText() const override { return dayCount; }
    void setDayCountText(const QString &text) override { dayCount = text; }
    void setCalculateEnabled(bool enabled) override { calculateEnabled = enabled; }
    bool setCalendarDate(QDate date) override
    {
        calendar = CalendarRange::contains(date) ? date : calendar;
        return calendar == date;
    }
    void setCalendarSpan(const CalendarSpan &) override { }
    void setSpanSummary(const QString &) override { }
    void addCalculationType(const QString &) override { }
    int selectedCalculationType() const override { return type; }
    void selectCalculationType(int index) override { type = index; }
};

void check(const QString &typed, bool fromFirstDate)
{
    const auto require = [&typed](bool holds, const char *what) {
        if (!holds)
            qFatal("broken: %s, typed \"%s\"", what, qUtf8Printable(typed));
    };
    const QDate today(2026, 12, 5);
    const QDate firstDate(1800, 6, 30);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    Outcome controls;
    DayContext context([&] { return today; }, RegionalSettings::of(britain));
    Calculator calculator(controls, context);
    calculator.start();
    if (fromFirstDate) {
        controls.type = Calculator::DaysBetweenTwoDates;
        calculator.calculationTypeChosen(controls.type);
        calculator.datePicked(firstDate);
    }
    const Outcome before = controls;
    controls.dayCount = typed;
    calculator.calculateDate();

    require(controls.dayCount == typed, "the typed text was changed");
    if (controls.colour == InstructionColour::Error) {
        require(controls.instruction == FixedTexts::notWholeNumber()
                        || controls.instruction == FixedTexts::outsideCalendar(),
                "red without an input error");
        require(controls.results == before.results && controls.calendar == before.calendar
                        && controls.calculateEnabled == before.calculateEnabled
                        && calculator.state().firstDatePicked == fromFirstDate,
                "a refused count changed more than the instruction");
        return;
    }
    require(CalendarRange::contains(controls.calendar), "the calendar left its range");
    require(!calculator.state().firstDatePicked && controls.calculateEnabled == !fromFirstDate,
            "the pair was not closed");
    const ResultTexts texts(britain);
    const QDate base = fromFirstDate ? firstDate : today;
    const qint64 moved = base.daysTo(controls.calendar);
    require(controls.results
                    == (fromFirstDate ? texts.betweenDates(base, controls.calendar, moved)
                                      : texts.fromToday(controls.calendar, moved, base)),
            "the results do not state the move");
}

} // namespace

// Under libFuzzer's own main and the corpus replay: the calculator's clock watches for midnight
// with a timer, which needs an application object.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    check(typed, false);
    check(typed, true);
    return 0;
}
