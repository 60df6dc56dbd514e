// Feeds any text to the day-count box and presses Calculate Date, from today and from a held
// first date, and checks that the calculator either refuses the text and changes nothing else, or
// answers with a date inside the calendar and a sentence whose arithmetic holds.
#include "Calculator.h"
#include "FakeControls.h"
#include "SystemTexts.h"
#include "UserSequences.h"

#include <cstdio>
#include <cstdlib>

namespace {

using SystemTexts::notWholeNumber;
using SystemTexts::outsideCalendar;

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
            controls, [&] { return today; }, QLocale(QLocale::English, QLocale::UnitedKingdom));
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
    const QDate base = fromFirstDate ? firstDate : today;
    bool ok = false;
    const double value = QLocale(QLocale::English, QLocale::UnitedKingdom).toDouble(typed, &ok);
    require(ok && double(base.daysTo(controls.calendar)) == value,
            "an accepted count that was not typed", typed);
    require(controls.instructionColour == InstructionColour::White, "an answer on red", typed);
    require(CalendarRange::contains(controls.calendar), "the calendar left its range", typed);
    require(!calculator.state().firstDatePicked && controls.calculateEnabled == !fromFirstDate,
            "the pair was not closed", typed);
    require(sentenceComplaint(controls.results.toStdString(), toDays(today)).empty(),
            "the sentence's arithmetic is wrong", typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    check(typed, false);
    check(typed, true);
    return 0;
}
