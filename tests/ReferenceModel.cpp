#include "ReferenceModel.h"

#include "SystemTexts.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

using namespace std::chrono;

namespace {

std::string text(const QString &systemText)
{
    return systemText.toStdString();
}

enum class Reading { Whole, NotWhole, TooLarge };

// Blanks, a sign, digits with at most one decimal point (one digit at least) and an exponent.
bool isNumber(std::string_view text)
{
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ')
            ++i;
    };
    const auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    skipBlanks();
    return i == text.size();
}

std::pair<Reading, double> read(const std::string &typed)
{
    if (!isNumber(typed))
        return {Reading::NotWhole, 0};
    errno = 0;
    const double value = std::strtod(typed.c_str(), nullptr);
    if (std::isinf(value))
        return {Reading::TooLarge, 0};
    // A number too small for a double comes back as zero, but is no whole number.
    if ((value == 0 && errno == ERANGE) || std::trunc(value) != value)
        return {Reading::NotWhole, 0};
    return {Reading::Whole, value};
}

std::string signSlot(long count)
{
    return count < 0 ? std::to_string(count) : " " + std::to_string(count);
}

std::string breakdown(long count)
{
    return "That is " + std::to_string(count / 7) + " Weeks and " + std::to_string(count % 7)
            + " Days.";
}

} // namespace

ReferenceModel::ReferenceModel(Days today)
    : m_today(today)
{
    m_screen.instruction = text(SystemTexts::startInstruction);
    m_screen.results = text(SystemTexts::resultsPlaceholder);
    m_screen.calendar = today;
}

ReferenceModel::Days ReferenceModel::firstDay()
{
    return year(1753) / January / 1;
}
ReferenceModel::Days ReferenceModel::lastDay()
{
    return year(9999) / December / 31;
}

std::string ReferenceModel::date(Days day)
{
    const year_month_day ymd(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", unsigned(ymd.day()), unsigned(ymd.month()),
                  int(ymd.year()));
    return text;
}

std::string ReferenceModel::fromToday(Days target, long count) const
{
    return date(target) + " is " + signSlot(count) + " days from " + date(m_today) + "\r\n"
            + breakdown(count);
}

std::string ReferenceModel::betweenDates(Days second, long count) const
{
    return "The number of days from " + date(m_firstDate) + " to " + date(second) + " is "
            + signSlot(count) + "\r\n" + breakdown(count);
}

void ReferenceModel::chooseType(int type)
{
    m_screen.selectedType = type;
    if (type == 1) {
        m_screen.instruction = text(SystemTexts::selectFirstDate);
        m_screen.results.clear();
        m_twoDatesMode = true;
        m_firstDatePicked = false;
        m_screen.calculateEnabled = false;
    } else {
        m_screen.instruction = text(SystemTexts::daysFromNowInstruction);
        m_screen.results = text(SystemTexts::resultsPlaceholder);
        m_twoDatesMode = false;
        m_screen.calculateEnabled = true;
    }
}

void ReferenceModel::pick(Days date)
{
    m_screen.calendar = date;
    if (m_screen.selectedType == 0) {
        const long count = (date - m_today).count();
        m_screen.instructionRed = false;
        m_screen.results = fromToday(date, count);
        m_screen.dayCount = std::to_string(count);
    } else if (m_firstDatePicked) {
        const long count = (date - m_firstDate).count();
        m_screen.instructionRed = false;
        m_firstDatePicked = false;
        m_screen.calculateEnabled = false;
        m_screen.results = betweenDates(date, count);
        m_screen.instruction = text(SystemTexts::selectNewFirstDate);
        m_screen.dayCount = std::to_string(count);
    } else {
        m_firstDate = date;
        m_firstDatePicked = true;
        m_screen.calculateEnabled = true;
        m_screen.instruction = text(SystemTexts::selectSecondDate);
        m_screen.results = "First date selected is " + ReferenceModel::date(date);
    }
}

void ReferenceModel::showError(const QString &message)
{
    m_screen.instruction = text(message);
    m_screen.instructionRed = true;
}

void ReferenceModel::calculate(const std::string &typed)
{
    m_screen.dayCount = typed; // what the user typed stays in the box
    const auto [reading, value] = read(typed);
    if (reading == Reading::NotWhole)
        return showError(SystemTexts::notWholeNumber);
    if (m_twoDatesMode && !m_firstDatePicked) {
        m_screen.instructionRed = false;
        m_screen.instruction = text(SystemTexts::mustSelectFirstDate);
        return;
    }
    const Days base = m_twoDatesMode ? m_firstDate : m_today;
    const double span = double((lastDay() - firstDay()).count());
    const std::optional<Days> target = reading == Reading::Whole && std::abs(value) <= span
            ? std::optional(base + days(long(value)))
            : std::nullopt;
    if (!target || *target < firstDay() || *target > lastDay())
        return showError(SystemTexts::outsideCalendar);

    const long count = (*target - base).count();
    m_screen.instructionRed = false;
    m_screen.calendar = *target;
    if (m_twoDatesMode) {
        m_firstDatePicked = false;
        m_screen.calculateEnabled = false;
        m_screen.results = betweenDates(*target, count);
        m_screen.instruction = text(SystemTexts::selectNewFirstDate);
    } else {
        m_screen.results = fromToday(*target, count);
        m_screen.instruction = text(SystemTexts::afterCalculationInstruction);
    }
}
