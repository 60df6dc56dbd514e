#pragma once

#include <QString>

#include <chrono>
#include <string>

// What the calculator window should show after each user action, worked out apart from the
// program: days with std::chrono, sentences with plain string formatting, dates in the
// day/month/year form of a British regional setting, typed counts read with strtod.
class ReferenceModel
{
public:
    using Days = std::chrono::sys_days;

    struct Screen
    {
        std::string instruction;
        bool instructionRed = false;
        std::string results;
        std::string dayCount = "0";
        bool calculateEnabled = true;
        Days calendar;
        int selectedType = 0;

        bool operator==(const Screen &) const = default;
    };

    explicit ReferenceModel(Days today);

    void chooseType(int type);
    void pick(Days date);
    void calculate(const std::string &typed);

    const Screen &screen() const { return m_screen; }
    bool firstDatePicked() const { return m_firstDatePicked; }
    bool twoDatesMode() const { return m_twoDatesMode; }

    static Days firstDay();
    static Days lastDay();
    static std::string date(Days day);

private:
    void showError(const QString &message);
    std::string fromToday(Days target, long count) const;
    std::string betweenDates(Days second, long count) const;

    Days m_today;
    Screen m_screen;
    bool m_twoDatesMode = false;
    bool m_firstDatePicked = false;
    Days m_firstDate;
};
