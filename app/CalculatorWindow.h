// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: headings, instruction, calculation type, day count, results, Quit and
// the month calendar in one fixed-size window laid out by its design.
#pragma once

#include "Calculator.h"
#include "DayCountBox.h"
#include "HolidayActions.h"
#include "HolidayStore.h"
#include "HoverFocus.h"
#include "MonthCalendar.h"
#include "WidgetControls.h"
#include "WindowTexts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

class CalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    // The context is what the calculator and the calendar read; the store's holidays are read
    // into it once the window's first frame is painted.
    CalculatorWindow(DayContext &context, const HolidayStore &holidays, QWidget *parent = nullptr);

    // Fits the window into a screen's available area: the design where it fits; on a narrow
    // screen the upper band folded in two and fewer months across, on a short one fewer rows of
    // months; the title bar and left edge always on the screen.
    void fitToScreen(const QRect &available);

private:
    struct DesignedControl
    {
        QWidget *control;
        QRect twips;
        int textPadding; // 0 where the text wraps or is the user's
    };

    QList<DesignedControl> design(bool folded) const;
    void setUpControls();
    void layOutControls(bool folded);
    void wireEvents();
    double designScale() const;
    int pixels(int twips) const;
    static QComboBox *makeEditableComboBox(QWidget *parent);

    DayContext &m_context;
    double m_scale = 1.0;
    const HolidayStore m_holidayStore;
    HolidayActions *const m_holidayActions = new HolidayActions(m_holidayStore, m_context, this);

    // Declared in tab order: widgets join the focus chain in the order they are created.
    QPlainTextEdit *const m_resultsBox = new QPlainTextEdit(this);
    QComboBox *const m_calculationTypeBox = makeEditableComboBox(this);
    QLabel *const m_calculationTypeHeading
            = new QLabel(WindowTexts::calculationTypeHeading(), this);
    QPushButton *const m_quitButton = new QPushButton(WindowTexts::quit(), this);
    QLabel *const m_instructionLabel = new QLabel(this);
    QLabel *const m_instructionHeading = new QLabel(WindowTexts::instructionHeading(), this);
    QLabel *const m_resultsHeading = new QLabel(WindowTexts::resultsHeading(), this);
    MonthCalendar *const m_calendar = new MonthCalendar(m_context, this);
    DayCountBox *const m_dayCountBox = new DayCountBox(WindowTexts::initialDayCount(), this);
    QPushButton *const m_calculateButton = new QPushButton(WindowTexts::calculateDate(), this);

    WidgetControls m_controls {{m_instructionLabel, m_resultsBox, m_dayCountBox, m_calculateButton,
                                m_calendar, m_calculationTypeBox}};
    Calculator m_calculator {m_controls, m_context};
    HoverFocus m_hoverFocus;
};
